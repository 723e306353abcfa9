#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the checks in .clang-tidy (every finding an error)
# over the engine, the window and the tests' shared kit, through the compile
# database of BUILD (default build), which must have been built once so the
# window's generated headers exist. Two at a time: the machine is shared.
# A folder of headers only (tests/support) has its headers checked one by
# one; clang-tidy borrows the compile flags of a neighbouring source.
#   scripts/tidy.sh [BUILD] [DIR...]      e.g. scripts/tidy.sh build engine
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
dirs=("$@")
if [ ${#dirs[@]} -eq 0 ]; then dirs=(engine ui tests/support); fi
if [ ! -f "$build/compile_commands.json" ]; then
  echo "no $build/compile_commands.json: configure $build first" >&2
  exit 2
fi
# Clang cannot read GCC's precompiled headers (a build configured with
# PINTALOO_PCH=ON), and would find the .gch beside the header it is told to
# include: clang-tidy reads a copy of the compile database without them, so
# each source is checked with only its own includes, as it is compiled
# without PINTALOO_PCH.
db=$(mktemp -d)
trap 'rm -rf "$db"' EXIT
python3 - "$build/compile_commands.json" "$db/compile_commands.json" <<'PY'
import json, re, sys
pch = re.compile(r" (-Winvalid-pch|-include \S*cmake_pch\.hxx|(-Xclang -include(-pch)? -Xclang \S*cmake_pch\.hxx(\.pch)?))(?= |$)")
entries = json.load(open(sys.argv[1]))
for entry in entries:
    entry["command"] = pch.sub("", entry["command"])
json.dump(entries, open(sys.argv[2], "w"), indent=1)
PY
patterns=()
for d in "${dirs[@]}"; do
  if [ -n "$(git ls-files -- "$d/*.cpp")" ]; then patterns+=("$d/*.cpp"); else patterns+=("$d/*.h"); fi
  if [ -z "$(git ls-files -- "${patterns[-1]}")" ]; then
    echo "no sources or headers in $d: nothing to check there" >&2
    exit 2
  fi
done
# .clang-tidy's header filter names our folders from any root; anchored here
# to this checkout, so a generated header under build/ui/ (theme colours)
# is not checked as if it were ours.
filter=$(sed -n "s/^HeaderFilterRegex: *'\(.*\)'$/\1/p" .clang-tidy)
if [ -z "$filter" ]; then
  echo "no HeaderFilterRegex in .clang-tidy" >&2
  exit 2
fi
root=$(printf '%s' "$PWD" | sed 's/[][\.*^$+?(){}|]/\\&/g')
git ls-files -z -- "${patterns[@]}" |
  xargs -0 -r -n 1 -P 2 nice clang-tidy -p "$db" --quiet --header-filter="^$root$filter"
echo "clang-tidy: no findings in ${dirs[*]}"
