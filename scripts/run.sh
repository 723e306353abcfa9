#!/usr/bin/env bash
# Installs what is missing (Qt's X11 and Wayland window plugins among it),
# builds Pintaloo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
if [ -x build/ui/pintaloo ]; then
  exec build/ui/pintaloo "$@"
else
  echo "The paint engine is built; the window is not part of this build yet."
fi
