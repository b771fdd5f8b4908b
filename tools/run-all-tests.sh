#!/usr/bin/env bash
# Builds and runs every test:
#   1. the release preset (build/): build everything, run ctest;
#   2. the sanitize preset (build-sanitize/, AddressSanitizer and
#      UndefinedBehaviorSanitizer): build only the test programs and what
#      they load, run ctest;
#   3. fuzz/run-fuzz.sh: the libFuzzer harness for a bounded time.
# Exits non-zero on the first failure.  MURENA_JOBS sets the build and test
# parallelism (default 2).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

# The 3D view's window tests need an X server with OpenGL: without a display,
# run everything inside a private virtual one (Xvfb with Mesa).
if [ -z "${DISPLAY:-}" ] && [ -z "${MURENA_UNDER_XVFB:-}" ] && command -v xvfb-run >/dev/null; then
  MURENA_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
jobs="${MURENA_JOBS:-2}"
started=$SECONDS

step() { printf '\n==> %s (%d s)\n' "$*" "$((SECONDS - started))"; }

step "release build"
cmake --preset release
cmake --build --preset release -j"$jobs"
step "release tests"
ctest --preset release -j"$jobs" --no-tests=error

step "sanitizer build"
cmake --preset sanitize
# Only the test programs: their dependencies (the engine library and the
# runner that the integration tests start) come with them.
mapfile -t test_targets < <(cmake --build --preset sanitize --target help | sed -n 's/^\.\.\. \([A-Za-z0-9_]*_tests\)$/\1/p')
if [ "${#test_targets[@]}" -eq 0 ]; then
  echo "run-all-tests: no test programs in the sanitizer build" >&2
  exit 1
fi
cmake --build --preset sanitize -j"$jobs" --target "${test_targets[@]}"
step "sanitizer tests"
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
ctest --preset sanitize -j"$jobs" --no-tests=error

step "fuzzing"
fuzz/run-fuzz.sh

step "all tests passed"
