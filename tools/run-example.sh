#!/usr/bin/env bash
# From a fresh Debian 12 machine to a first analysis: installs the packages,
# builds the release preset (build/) and runs the engine through murena-run on
# an example wall, printing the run's summary.
#
#   sudo tools/run-example.sh [EXAMPLE.mr5d]
#
# The example is copied to build/example-run/ first, so the report (.mr5o),
# plot data (.mr5p) and run notes (.mr5r) land there, not in examples/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
example="${1:-examples/cantilever_user_curves_english.mr5d}"
jobs="${MURENA_JOBS:-2}"
if [ ! -f "$example" ]; then
  echo "run-example: no such example: $example" >&2
  exit 1
fi

tools/install-packages.sh
cmake --preset release
cmake --build --preset release -j"$jobs" --target murena-run

output="$root/build/example-run"
mkdir -p "$output"
cp "$example" "$output/"
echo
build/bin/murena-run "$output/$(basename "$example")"
