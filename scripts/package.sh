#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds Pintaloo for release and makes the Debian
# package out/pintaloo_VERSION_ARCH.deb, then shows what lintian says of it.
# Ends with a failure when lintian reports an error.
#
#   scripts/package.sh
#   sudo apt install ./out/pintaloo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DBUILD_TESTING=OFF -DPINTALOO_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/pintaloo_*.deb
(cd "$build" && cpack -G DEB)
mkdir -p out
rm -f out/pintaloo_*.deb
mv "$build"/pintaloo_*.deb out/
deb=$(ls out/pintaloo_*.deb)

echo "== $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
echo "== lintian $deb"
status=0
lintian --info --display-info "$deb" || status=$?
if ((status == 0)); then
    echo "lintian: no errors"
else
    echo "lintian reported errors (status $status)" >&2
fi
exit "$status"
