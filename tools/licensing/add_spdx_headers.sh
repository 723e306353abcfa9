#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Gives every C++, CMake, Python and shell file of the tree that lacks them
# the two licence lines (copyright and GPL-3.0-or-later), in the comment
# syntax of its language. A first line starting with "#!" stays first, and
# so does a Python coding line right after it. Running it again changes
# nothing. Artwork, sounds and data are licensed in .reuse/dep5 instead.
#
#   tools/licensing/add_spdx_headers.sh [TREE]   (default: this repository)
#
# Only files git tracks are touched, so build folders are left alone.
set -euo pipefail
tree=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
cd "$tree"

# Written in two pieces so that licence scanners reading this script do not
# take the template for this file's own licence.
tag_copyright="SPDX-File""CopyrightText: 2026 Pintaloo contributors"
tag_licence="SPDX-License""-Identifier: GPL-3.0-or-later"

# comment_for FILE -> the line-comment marker, or nothing for files left alone.
comment_for() {
    local f=$1 first
    case "$f" in
        LICENSES/*|resources/*) return ;;
        *.cpp|*.cc|*.cxx|*.h|*.hpp|*.c) echo "//"; return ;;
        CMakeLists.txt|*/CMakeLists.txt|*.cmake|*.py|*.sh|*.bash) echo "#"; return ;;
    esac
    # Scripts without an extension are known by their first line.
    IFS= read -r first <"$f" || true
    case "$first" in
        '#!'*sh*|'#!'*python*) echo "#" ;;
    esac
}

added=0
while IFS= read -r -d '' f; do
    [[ -f $f && ! -L $f ]] || continue
    marker=$(comment_for "$f")
    [[ -n $marker ]] || continue
    head -n 20 "$f" | grep -q "SPDX-License""-Identifier:" && continue

    # Lines kept above the licence: a shebang, then a Python coding line.
    keep=0
    IFS= read -r line1 <"$f" || true
    if [[ $line1 == '#!'* ]]; then
        keep=1
        line2=$(sed -n 2p "$f")
        [[ $line2 =~ ^#.*coding[:=] ]] && keep=2
    fi
    tmp=$(mktemp "$f.XXXXXX")
    {
        ((keep > 0)) && head -n "$keep" "$f"
        printf '%s %s\n%s %s\n' "$marker" "$tag_copyright" "$marker" "$tag_licence"
        tail -n +"$((keep + 1))" "$f"
    } >"$tmp"
    chmod --reference="$f" "$tmp"
    mv "$tmp" "$f"
    added=$((added + 1))
    echo "added: $f"
done < <(git ls-files -z)
echo "$added files given licence lines"
