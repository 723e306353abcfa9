#!/usr/bin/env bash
# Installs what is missing (Qt's X11 and Wayland window plugins among it),
# builds Pintaloo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pintaloo
exec build/ui/pintaloo "$@"
