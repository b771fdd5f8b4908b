#!/usr/bin/env bash
# Builds the libFuzzer harnesses with the fuzz preset (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and fuzzes for a bounded time: the engine's
# input data file for a minute, then every reader of the front end for 20 s
# each, as many at a time as there are jobs.  Fails on any crash, hang (one
# input over 10 s), leak or sanitizer report; the input that shows it is kept
# in fuzz/artifacts/.
#
#   fuzz/run-fuzz.sh                          # everything
#   fuzz/run-fuzz.sh expression_fuzzer        # only the harnesses named
#   MURENA_FUZZ_SECONDS=600 MURENA_FRONTEND_FUZZ_SECONDS=120 fuzz/run-fuzz.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
engine_seconds="${MURENA_FUZZ_SECONDS:-60}"
frontend_seconds="${MURENA_FRONTEND_FUZZ_SECONDS:-20}"
jobs="${MURENA_JOBS:-2}"

# Harness, seed folders and files (relative to the source folder), dictionary.
declare -A seeds=(
  [engine_input_fuzzer]="fuzz/corpus/*.mr5d examples/*.mr5d"
  [project_file_fuzzer]="fuzz/corpus/project fuzz/corpus/stage fuzz/corpus/*.mr5d examples/*.mr5d"
  [stage_file_fuzzer]="fuzz/corpus/stage fuzz/corpus/staged_si.mr5d fuzz/corpus/large_five_stages_si.mr5d examples/*.mr5d"
  [word_reader_fuzzer]="fuzz/corpus/words fuzz/corpus/project examples/*.mr5d"
  [expression_fuzzer]="fuzz/corpus/expression"
  [curve_import_fuzzer]="fuzz/corpus/curves"
  [column_stream_fuzzer]="fuzz/corpus/columns frontend/project/table_definitions.txt"
  [plot_data_fuzzer]="tests/integration/golden/*.mr5p"
)
declare -A dictionaries=(
  [engine_input_fuzzer]=fuzz/engine_input.dict
  [project_file_fuzzer]=fuzz/engine_input.dict
  [stage_file_fuzzer]=fuzz/engine_input.dict
  [expression_fuzzer]=fuzz/expression.dict
  [column_stream_fuzzer]=fuzz/column_stream.dict
)
frontend=(project_file_fuzzer stage_file_fuzzer word_reader_fuzzer expression_fuzzer curve_import_fuzzer
          column_stream_fuzzer plot_data_fuzzer)

if [ "$#" -gt 0 ]; then
  wanted=("$@")
else
  wanted=(engine_input_fuzzer "${frontend[@]}")
fi
for name in "${wanted[@]}"; do
  if [ -z "${seeds[$name]+x}" ]; then
    echo "run-fuzz: no harness named $name" >&2
    exit 2
  fi
done

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs" --target "${wanted[@]}"

artifacts="$root/fuzz/artifacts"
logs="$root/build-fuzz/fuzz-logs"
mkdir -p "$artifacts" "$logs"

# The working corpus of a harness lives in the build folder (new inputs are
# written to the first corpus folder); it is seeded with the committed seeds.
prepare_corpus() {
  local name="$1" corpus="$root/build-fuzz/corpus/$1" seed
  mkdir -p "$corpus"
  shopt -s nullglob
  for seed in ${seeds[$name]}; do
    if [ -d "$seed" ]; then
      cp "$seed"/* "$corpus"/
    elif [ -f "$seed" ]; then
      cp "$seed" "$corpus/seed-$(basename "$seed")"
    fi
  done
  shopt -u nullglob
  echo "$corpus"
}

# Runs one harness for a number of seconds; its output goes to its log.
# Every input longer than the seeds is allowed at once (-len_control=0), up
# to 64 KiB.  Harness messages on stdout are closed (-close_fd_mask=1); the
# fuzzer's own output and sanitizer reports reach the log.
fuzz() {
  local name="$1" seconds="$2" corpus dictionary=()
  corpus="$(prepare_corpus "$name")"
  if [ -n "${dictionaries[$name]+x}" ]; then dictionary=(-dict="$root/${dictionaries[$name]}"); fi
  local mask=1
  # The engine also writes to standard error.
  if [ "$name" = engine_input_fuzzer ]; then mask=3; fi
  "$root/build-fuzz/bin/$name" "$corpus" "${dictionary[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -len_control=0 -close_fd_mask="$mask" -print_final_stats=1 \
    -artifact_prefix="$artifacts/$name-" >"$logs/$name.log" 2>&1
}

report() {
  local name="$1" status="$2"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$logs/$name.log" >&2
    echo "run-fuzz: $name found a fault (exit status $status); the input is in fuzz/artifacts/" >&2
    return 1
  fi
  local runs
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$name.log")"
  echo "run-fuzz: $name: ${runs:-?} inputs, no crash, hang or sanitizer report"
}

failed=0
pending=()
for name in "${wanted[@]}"; do
  if [ "$name" = engine_input_fuzzer ]; then
    status=0
    fuzz "$name" "$engine_seconds" || status=$?
    report "$name" "$status" || failed=1
  else
    pending+=("$name")
  fi
done

# The front end's harnesses, `jobs` at a time.
while [ "${#pending[@]}" -gt 0 ]; do
  batch=("${pending[@]:0:$jobs}")
  pending=("${pending[@]:$jobs}")
  pids=()
  for name in "${batch[@]}"; do
    fuzz "$name" "$frontend_seconds" &
    pids+=("$!")
  done
  for i in "${!batch[@]}"; do
    status=0
    wait "${pids[$i]}" || status=$?
    report "${batch[$i]}" "$status" || failed=1
  done
done

if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "run-fuzz: no crash, hang or sanitizer report (engine ${engine_seconds} s, front end ${frontend_seconds} s each)"
