#!/usr/bin/env bash
# Builds the libFuzzer harness with the fuzz preset (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and fuzzes the engine's input data file for a
# bounded time.  Fails on any crash, hang, leak or sanitizer report.
#
#   fuzz/run-fuzz.sh            # 60 seconds
#   MURENA_FUZZ_SECONDS=600 fuzz/run-fuzz.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
seconds="${MURENA_FUZZ_SECONDS:-60}"
jobs="${MURENA_JOBS:-2}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs" --target engine_input_fuzzer

# The working corpus lives in the build folder (new inputs are written to the
# first corpus folder); it is seeded with the committed seeds and the examples.
corpus="$root/build-fuzz/corpus"
artifacts="$root/fuzz/artifacts"
mkdir -p "$corpus" "$artifacts"
cp fuzz/corpus/*.mr5d "$corpus"/
shopt -s nullglob
for example in examples/*.mr5d; do
  cp "$example" "$corpus/example-$(basename "$example")"
done
shopt -u nullglob

# The harness works in its own scratch folder, so every path given to it is
# absolute.  Engine messages on stdout and stderr are closed (-close_fd_mask=3); the
# fuzzer's own output and sanitizer reports still reach the terminal.
status=0
"$root/build-fuzz/bin/engine_input_fuzzer" "$corpus" \
  -dict="$root/fuzz/engine_input.dict" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -close_fd_mask=3 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" || status=$?

if [ "$status" -ne 0 ]; then
  echo "run-fuzz: the fuzzer found a fault (exit status $status); the input is in fuzz/artifacts/" >&2
  exit 1
fi
echo "run-fuzz: no crash, hang or sanitizer report in ${seconds} s"
