#!/usr/bin/env bash
# Fuzzes the picture loader: builds the sanitizer build in build-fuzz (clang), writes a starting
# corpus of small valid pictures, then runs libFuzzer for the given number of seconds.
#   scripts/fuzz.sh [SECONDS]      (default 600)
# Crashing inputs land in build-fuzz/findings/ (keep each, once fixed, in tests/data/pictures/);
# the grown corpus stays in build-fuzz/corpus/.
set -euo pipefail

seconds="${1:-600}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPELTERRA_FUZZ=ON -DPELTERRA_TESTS=OFF -DPELTERRA_BENCH=OFF -DPELTERRA_GUI=OFF >/dev/null
ninja -C "$build" picture_loader_fuzz picture_fuzz_seeds

corpus="$build/corpus"
findings="$build/findings"
mkdir -p "$corpus" "$findings"
"$build/bin/picture_fuzz_seeds" "$corpus"
# Inputs that once broke the loader are replayed first, every run.
cp -n "$root"/tests/data/pictures/* "$corpus"/ 2>/dev/null || true

# One job on one core: the machine's other core stays free. libFuzzer writes the job's log to
# build-fuzz/fuzz-0.log.
cd "$build"
status=0
"$build/bin/picture_loader_fuzz" "$corpus" \
  -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
  -jobs=1 -workers=1 -artifact_prefix="$findings/" -print_final_stats=1 || status=$?
tail -n 8 "$build/fuzz-0.log" || true
if compgen -G "$findings/*" >/dev/null; then
  echo "Findings (keep each, once fixed, in tests/data/pictures/):"
  ls -l "$findings"
  status=1
fi
exit "$status"
