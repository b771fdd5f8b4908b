#!/usr/bin/env bash
# Renders the pictures of the user's guide (docs/images/*.png) with
# murena-screens from the release build: the worked example in the real main
# window, its dialogs, graphs, side view and 3D view.  The 3D view needs an X
# server with OpenGL: without a display the script runs under xvfb-run.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
cmake --build --preset release -j"${MURENA_JOBS:-2}" --target murena-screens Murena2015_DLL
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
run=(env QT_QPA_PLATFORM=xcb build/bin/murena-screens "$scratch" guide)
if [ -z "${DISPLAY:-}" ]; then
  run=(xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}")
fi
"${run[@]}" >/dev/null
mkdir -p docs/images
cp "$scratch"/*.png docs/images/
ls docs/images
