#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the checks in .clang-tidy (every finding an error)
# over the engine and the window's sources, through the compile database
# of BUILD (default build). Two at a time: the machine is shared.
#   scripts/tidy.sh [BUILD] [DIR...]      e.g. scripts/tidy.sh build engine
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
dirs=("$@")
if [ ${#dirs[@]} -eq 0 ]; then dirs=(engine ui); fi
if [ ! -f "$build/compile_commands.json" ]; then
  echo "no $build/compile_commands.json: configure $build first" >&2
  exit 2
fi
patterns=()
for d in "${dirs[@]}"; do patterns+=("$d/*.cpp"); done
git ls-files -z -- "${patterns[@]}" | xargs -0 -r -n 1 -P 2 nice clang-tidy -p "$build" --quiet
echo "clang-tidy: no findings in ${dirs[*]}"
