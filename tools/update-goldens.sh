#!/usr/bin/env bash
# Regenerates the golden report and plot data files of the examples: each
# examples/NAME.mr5d is copied into a private scratch folder and run there
# through build/bin/murena-run with the report clock fixed (MURENA_FIXED_TIME),
# then its .mr5o and .mr5p are copied into tests/integration/golden/.  The
# report names the data file's folder; the goldens name
# /tmp/murena-golden/NAME/ there, and the golden test puts that folder in
# place of its own scratch folder before comparing byte for byte.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="${MURENA_JOBS:-2}"
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
scratch="$(mktemp -d "${TMPDIR:-/tmp}/murena-golden.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$golden"
for example in "${examples[@]}"; do
  name="$(basename "$example" .mr5d)"
  folder="$scratch/$name"
  mkdir -p "$folder/work"
  cp "$example" "$folder/"
  build/bin/murena-run --workdir "$folder/work" "$folder/$name.mr5d" >/dev/null
  sed "s|^     Path to file locations      : $folder/\$|     Path to file locations      : /tmp/murena-golden/$name/|" \
    "$folder/$name.mr5o" >"$golden/$name.mr5o"
  cp "$folder/$name.mr5p" "$golden/"
  echo "update-goldens: $golden/$name.mr5o and $name.mr5p"
done
