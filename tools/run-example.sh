#!/usr/bin/env bash
# From a fresh Debian 12 machine to a first analysis: installs the packages,
# builds the release preset (build/) and runs the engine through murena-run on
# an example wall, printing the run's summary.
#
#   sudo tools/run-example.sh [EXAMPLE.mr5d]
#
# Only the package installation needs root: started through sudo, the script
# builds and runs as the user who called sudo, so build/ stays theirs.  Started
# without sudo, it asks sudo for the installation when packages are missing.
# The example is copied to build/example-run/ first, so the report (.mr5o),
# plot data (.mr5p) and run notes (.mr5r) land there, not in examples/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
example="${1:-examples/cantilever_sand_english.mr5d}"
jobs="${MURENA_JOBS:-2}"
if [ ! -f "$example" ]; then
  echo "run-example: no such example: $example" >&2
  exit 1
fi

tools/install-packages.sh

as_user=()
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
  as_user=(sudo -u "$SUDO_USER" env "MURENA_JOBS=$jobs")
fi
output="$root/build/example-run"
"${as_user[@]}" cmake --preset release
"${as_user[@]}" cmake --build --preset release -j"$jobs" --target murena-run
"${as_user[@]}" mkdir -p "$output"
"${as_user[@]}" cp "$example" "$output/"
echo
"${as_user[@]}" build/bin/murena-run "$output/$(basename "$example")"
