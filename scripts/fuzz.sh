#!/usr/bin/env bash
# Runs one fuzz target: builds the sanitizer build in build-fuzz (clang), gathers its starting
# inputs, replays the inputs that once found faults, then runs libFuzzer for the given time.
#   scripts/fuzz.sh TARGET [SECONDS]      e.g. scripts/fuzz.sh picture_loader 900   (default 600)
# TARGET is a fuzz/TARGET_fuzz.cpp; without one, the targets are listed. Starting inputs: the
# files in fuzz/seeds/TARGET/, what fuzz/TARGET_seeds.cpp writes when there is one, and the
# regression inputs in tests/data/fuzz/TARGET/. A fuzz/TARGET.options holds libFuzzer flags of
# that target alone. Crashing inputs land in build-fuzz/findings/TARGET/ (keep each, once fixed,
# in tests/data/fuzz/TARGET/); the grown corpus stays in build-fuzz/corpus/TARGET/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
targets() { find "$root/fuzz" -maxdepth 1 -name '*_fuzz.cpp' -printf '%f\n' | sed 's/_fuzz\.cpp$//' | sort; }
target="${1:-}"
seconds="${2:-600}"
if [ -z "$target" ] || [ ! -f "$root/fuzz/${target}_fuzz.cpp" ]; then
  echo "usage: scripts/fuzz.sh TARGET [SECONDS]; the targets are:" >&2
  targets | sed 's/^/  /' >&2
  exit 2
fi
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
  echo "scripts/fuzz.sh: SECONDS is a whole number, not \"$seconds\"" >&2
  exit 2
fi

build="$root/build-fuzz"
corpus="$build/corpus/$target"
findings="$build/findings/$target"
regressions="$root/tests/data/fuzz/$target"
seeds="$root/fuzz/seeds/$target"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPELTERRA_FUZZ=ON -DPELTERRA_TESTS=OFF -DPELTERRA_BENCH=OFF -DPELTERRA_GUI=OFF >/dev/null
generator=""
[ -f "$root/fuzz/${target}_seeds.cpp" ] && generator="${target}_seeds"
ninja -C "$build" "${target}_fuzz" $generator

mkdir -p "$corpus" "$findings"
[ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
[ -n "$generator" ] && "$build/bin/$generator" "$corpus"
fuzzer="$build/bin/${target}_fuzz"
options=()
[ -f "$root/fuzz/$target.options" ] && read -r -a options < "$root/fuzz/$target.options"

# Inputs that once found a fault are run first, each once: a fault come back stops here.
if compgen -G "$regressions/*" >/dev/null; then
  echo "Replaying $(ls "$regressions" | wc -l) regression inputs from tests/data/fuzz/$target/"
  "$fuzzer" "${options[@]}" -artifact_prefix="$findings/" "$regressions"/*
  cp -n "$regressions"/* "$corpus"/
fi

# One job on one core: the machine's other core stays free. libFuzzer writes the job's log to
# fuzz-0.log in the folder it runs in, one folder a target so that two targets can run at once.
run="$build/runs/$target"
mkdir -p "$run"
cd "$run"
status=0
"$fuzzer" "$corpus" "${options[@]}" \
  -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
  -jobs=1 -workers=1 -artifact_prefix="$findings/" -print_final_stats=1 || status=$?
if compgen -G "$findings/*" >/dev/null; then
  echo "Findings (keep each, once fixed, in tests/data/fuzz/$target/):"
  ls -l "$findings"
  status=1
fi
exit "$status"
