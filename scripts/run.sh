#!/usr/bin/env bash
# Installs what is missing, builds the programs and runs the main job: fills the parts catalogue
# of the generated PartsData library and prints it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build=${PELTERRA_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)"
exec "$build/bin/pelterra-cli" catalogue "$build/bin" "$@"
