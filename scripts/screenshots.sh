#!/usr/bin/env bash
# Screenshots of the desktop program for the README and for review: starts pelterra under Xvfb
# (a 1366x768 screen) with its hidden --screenshots walk, which opens the sample picture, shows
# every page, the tool windows and the preview after a build, and saves a PNG of each.
# Usage: scripts/screenshots.sh [--language ja|en] [OUTPUT_FOLDER]   (default: build/screenshots;
# the language defaults to the system's)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PELTERRA_BUILD_DIR:-build}
language=()
if [ "${1:-}" = "--language" ]; then
  language=(--language "$2")
  shift 2
fi
out=${1:-$build/screenshots}
if [ ! -x "$build/bin/pelterra" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" -j "$(nproc)" --target pelterra partsdata
fi
mkdir -p "$out"
# The walk uses settings of its own: the user's settings are neither read nor written.
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1366x768x24" "$build/bin/pelterra" "${language[@]}" --screenshots "$out"
else
  echo "xvfb-run not found; drawing off screen instead" >&2
  QT_QPA_PLATFORM=offscreen "$build/bin/pelterra" "${language[@]}" --screenshots "$out"
fi
echo "Screenshots in $out"
