#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `cmake --install` into a scratch DESTDIR, twice: under the configured
# prefix and under another one given at install time. Checked file by file:
# exactly the expected files and nothing else (no replay tool, no tests),
# each with the right content.
#   install_test.sh BUILD_DIR PREFIX BINDIR DATADIR MANDIR LIBDIR VERSION
set -u
set -o pipefail
BUILD=${1:?usage: install_test.sh BUILD_DIR PREFIX BINDIR DATADIR MANDIR LIBDIR VERSION}
PREFIX=$2 BINDIR=$3 DATADIR=$4 MANDIR=$5 LIBDIR=$6 VERSION=$7
SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ID=io.github.pintaloo.Pintaloo
SIZES=(16 24 32 48 64 128 256 512)

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-install.XXXXXX") || exit 1
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expected_files() {
    echo "$BINDIR/pintaloo"
    echo "$LIBDIR/pintaloo/pintaloo-print.so"
    echo "$DATADIR/applications/$ID.desktop"
    echo "$DATADIR/metainfo/$ID.metainfo.xml"
    echo "$DATADIR/icons/hicolor/scalable/apps/$ID.svg"
    local s
    for s in "${SIZES[@]}"; do echo "$DATADIR/icons/hicolor/${s}x$s/apps/$ID.png"; done
    echo "$MANDIR/man6/pintaloo.6.gz"
    echo "$DATADIR/doc/pintaloo/copyright"
    echo "$DATADIR/doc/pintaloo/changelog.gz"
    echo "$DATADIR/doc/pintaloo/examples/pintaloo.conf.example"
}

# check_root ROOT: the installed tree under one prefix.
check_root() {
    local root=$1 f s
    diff <(expected_files | sort) <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort) \
        >"$WORK/diff" || { fail "installed files differ from the expected ones (< missing, > extra):"; cat "$WORK/diff"; }

    [[ -x $root/$BINDIR/pintaloo ]] || fail "$BINDIR/pintaloo is not executable"
    nm -D --defined-only "$root/$LIBDIR/pintaloo/pintaloo-print.so" 2>/dev/null | grep -q ' pintaloo_print_with_dialog$' ||
        fail "$LIBDIR/pintaloo/pintaloo-print.so is not the printing module"
    [[ $(env -u DISPLAY -u WAYLAND_DISPLAY "$root/$BINDIR/pintaloo" --version 2>&1) == "Pintaloo $VERSION" ]] ||
        fail "the installed program does not say 'Pintaloo $VERSION' for --version"

    local desktop=$root/$DATADIR/applications/$ID.desktop
    cmp -s "$desktop" "$BUILD/desktop/$ID.desktop" || fail "the launcher entry differs from the one the build made"
    grep -qx "Exec=pintaloo" "$desktop" || fail "the launcher entry does not start 'pintaloo'"
    grep -qx "Icon=$ID" "$desktop" || fail "the launcher entry's icon is not $ID"
    local meta=$root/$DATADIR/metainfo/$ID.metainfo.xml
    grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$meta" ||
        fail "the metadata does not launch $ID.desktop"
    grep -q "<binary>pintaloo</binary>" "$meta" || fail "the metadata does not provide the binary pintaloo"
    cmp -s "$meta" "$BUILD/desktop/$ID.metainfo.xml" || fail "the metadata differs from the one the build made"

    cmp -s "$root/$DATADIR/icons/hicolor/scalable/apps/$ID.svg" "$SOURCE/resources/art/ui/app_icon.svg" ||
        fail "the scalable icon is not the window's icon (resources/art/ui/app_icon.svg)"
    # Each PNG: its own size, a transparent corner and an opaque middle part
    # of the picture (the crayon crosses the centre).
    for s in "${SIZES[@]}"; do
        f=$root/$DATADIR/icons/hicolor/${s}x$s/apps/$ID.png
        [[ -f $f ]] || continue
        read -r w h corner middle < <(convert "$f" -format "%w %h %[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]\n" info: 2>&1)
        [[ "$w $h" == "$s $s" ]] || fail "the ${s} px icon is ${w}x$h"
        [[ $corner == 0 ]] || fail "the ${s} px icon's corner is not transparent (alpha $corner)"
        [[ $middle == 1 ]] || fail "the ${s} px icon's middle is not opaque (alpha $middle)"
    done

    local man=$root/$MANDIR/man6/pintaloo.6.gz
    if gzip -t "$man" 2>/dev/null; then
        zcat "$man" | grep -q '^\.TH PINTALOO 6 .*"Pintaloo '"$VERSION"'"' ||
            fail "the manual page has no title line for pintaloo(6) version $VERSION"
        ! zcat "$man" | grep -q '@[A-Z_]*@' || fail "the manual page holds an unreplaced @VARIABLE@"
    else
        fail "the manual page is not gzipped"
    fi
    grep -q "^License: GPL-3.0-or-later" "$root/$DATADIR/doc/pintaloo/copyright" ||
        fail "the copyright file names no GPL-3.0-or-later licence"
    zcat "$root/$DATADIR/doc/pintaloo/changelog.gz" | head -n 1 | grep -q "^pintaloo ($VERSION)" ||
        fail "the changelog does not start with version $VERSION"
}

echo "== configured prefix $PREFIX"
DESTDIR=$WORK/a cmake --install "$BUILD" >"$WORK/install-a.log" 2>&1 || { cat "$WORK/install-a.log"; fail "cmake --install failed"; }
[[ -d $WORK/a$PREFIX ]] && check_root "$WORK/a$PREFIX"
[[ -z $(find "$WORK/a" -mindepth 1 -maxdepth 1 ! -name "$(echo "$PREFIX" | cut -d/ -f2)") ]] ||
    fail "files were installed outside $PREFIX"

echo "== prefix /opt/pintaloo-test given at install time"
DESTDIR=$WORK/b cmake --install "$BUILD" --prefix /opt/pintaloo-test >"$WORK/install-b.log" 2>&1 ||
    { cat "$WORK/install-b.log"; fail "cmake --install --prefix failed"; }
[[ -d $WORK/b/opt/pintaloo-test ]] || fail "nothing was installed under /opt/pintaloo-test"
[[ -d $WORK/b/opt/pintaloo-test ]] && check_root "$WORK/b/opt/pintaloo-test"
[[ $(ls "$WORK/b") == opt ]] || fail "files were installed outside /opt/pintaloo-test"

(( failures == 0 )) || { echo "$failures checks failed"; exit 1; }
echo "every installed file is in place and right"
