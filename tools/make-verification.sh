#!/usr/bin/env bash
# Regenerates the tables of docs/verification.md: builds murena-run (release
# preset) and runs tools/make-verification.py, which analyses small walls
# with the engine and compares them with beam theory, the published p-y
# formulas and the peer result of a pile strip in soft clay.  Review the
# difference (git diff docs/verification.md) before committing it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="${MURENA_JOBS:-2}"
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs" --target murena-run
python3 tools/make-verification.py build/bin/murena-run docs/verification.md
