#!/usr/bin/env bash
# Regenerates the golden report and plot data files of the examples:
# each examples/NAME.mr5d is copied to /tmp/murena-golden/NAME/ and run there through
# build/bin/murena-run with the report clock fixed (MURENA_FIXED_TIME), then
# its .mr5o and .mr5p are copied into tests/integration/golden/.  The golden
# test repeats the same copy-and-run and compares byte for byte, so the
# folder is fixed: the report names the data file's folder.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="${MURENA_JOBS:-2}"
scratch=/tmp/murena-golden
golden="$root/tests/integration/golden"
export MURENA_FIXED_TIME=2026-01-01T00:00:00

cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs" --target murena-run

shopt -s nullglob
examples=(examples/*.mr5d)
if [ "${#examples[@]}" -eq 0 ]; then
  echo "update-goldens: no examples/*.mr5d" >&2
  exit 1
fi
mkdir -p "$golden"
for example in "${examples[@]}"; do
  name="$(basename "$example" .mr5d)"
  folder="$scratch/$name"
  rm -rf "$folder"
  mkdir -p "$folder/work"
  cp "$example" "$folder/"
  build/bin/murena-run --workdir "$folder/work" "$folder/$name.mr5d" >/dev/null
  cp "$folder/$name.mr5o" "$folder/$name.mr5p" "$golden/"
  echo "update-goldens: $golden/$name.mr5o and $name.mr5p"
done
rm -rf "$scratch"
