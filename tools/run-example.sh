#!/usr/bin/env bash
# From a fresh Debian 12 machine to a first analysis: installs the packages,
# builds the release preset (build/) and runs the engine through murena-run on
# an example wall, printing the run's summary and the command that opens the
# example in the desktop program.
#
#   tools/run-example.sh [EXAMPLE.mr5d]         as root, or as a user with sudo
#   sudo tools/run-example.sh [EXAMPLE.mr5d]    as a user with sudo
#
# Only the package installation needs root: run as root it calls apt-get
# directly; run by a user it asks sudo for the installation only when
# packages are missing; started through sudo it builds and runs as the user
# who called sudo, so build/ stays theirs.  A relative EXAMPLE is taken from
# the caller's folder.  The example is copied to build/example-run/ first, so
# the report (.mr5o), plot data (.mr5p) and run notes (.mr5r) land there, not
# in examples/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
caller="$PWD"
if [ $# -ge 1 ]; then
  case "$1" in
    /*) example="$1" ;;
    *) example="$PWD/$1" ;;
  esac
else
  example="$root/examples/cantilever_sand_english.mr5d"
fi
cd "$root"
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
copy="$output/$(basename "$example")"
"${as_user[@]}" cmake --preset release
"${as_user[@]}" cmake --build --preset release -j"$jobs" --target murena-run Murena2015
"${as_user[@]}" mkdir -p "$output"
"${as_user[@]}" cp "$example" "$copy"
echo
status=0
"${as_user[@]}" build/bin/murena-run "$copy" || status=$?

# The closing hint names the files from the caller's folder when that is the
# clone, and by full path otherwise.
here=""
if [ "$caller" != "$root" ]; then here="$root/"; fi
echo
echo "To open the example, with its results, in the desktop program:"
echo "  ${here}build/bin/Murena2015 ${here}build/example-run/$(basename "$example")"
exit "$status"
