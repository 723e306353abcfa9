#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Pintaloo needs to build, run and test,
# asking apt only for what is missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config ccache
  lld  # scripts/test.sh and fuzz.sh link with it: a test program in a third of ld's time
  binutils  # readelf, for tests/desktop/needed_libraries_test.sh
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libsdl2-mixer-dev librlottie-dev libwebp-dev
  libpng-dev zlib1g-dev libjpeg62-turbo-dev  # pictures read by libpng, and libjpeg's headers (opened when first needed)
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb openbox xdotool x11-apps x11-utils imagemagick fonts-dejavu-core libx11-dev libxcb1-dev
  libxtst-dev mtpaint  # bench/latency/pointer_to_pixel.sh: XTest drags, and the program it compares with
  qt6-translations-l10n poppler-utils
  qt6-tools-dev qt6-l10n-tools  # lupdate and lrelease, and the CMake commands that run them
  fonts-sil-andika  # the letters' font, made for children learning to read
  fonts-noto-cjk fonts-noto-core  # Chinese, Japanese, Korean and Arabic on screen and in the screenshots tests take
  python3 lame
  qt6-wayland weston
  dbus at-spi2-core python3-pyatspi  # tests/e2e/atspi_check.py: what a screen reader hears
  reuse appstream desktop-file-utils
  tuxpaint-stamps-default  # the stamp library the stamp collections' tests and benchmark read
  dpkg-dev lintian gzip man-db
  clang libclang-rt-14-dev  # scripts/fuzz.sh
  clang-tidy  # scripts/tidy.sh
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
