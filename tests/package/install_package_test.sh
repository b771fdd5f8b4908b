#!/usr/bin/env bash
# Builds the Debian package of a build tree with CPack, unpacks it into a
# scratch root with dpkg-deb -x and runs the unpacked murena-run on an
# example.  Also checks the package's control data, the links in bin/, the
# MIME type and the icons, and the desktop entry when the desktop program is
# in the package.  Exits 77 (skipped) when dpkg-deb is absent.
#
#   install_package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build="$1"
source="$2"
if ! command -v dpkg-deb >/dev/null; then
  echo "install-package test: dpkg-deb is absent; skipped"
  exit 77
fi
scratch="$(mktemp -d "${TMPDIR:-/tmp}/murena-package.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "install-package test: $*" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
debs=("$scratch"/out/murena2015_*.deb)
[ -f "${debs[0]}" ] || fail "no murena2015_*.deb in $scratch/out"
deb="${debs[0]}"

control="$(dpkg-deb -f "$deb")"
echo "$control"
grep -qx 'Package: murena2015' <<<"$control" || fail "package name"
grep -q '^Version: 2015\.5\.12' <<<"$control" || fail "version"
grep -q '^Depends: .*libc6' <<<"$control" || fail "Depends does not name libc6"
grep -q '^Depends: .*libstdc++6' <<<"$control" || fail "Depends does not name libstdc++6"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
prefix="$root/usr"
[ -f "$prefix/lib/murena2015/Murena2015_DLL.so" ] || fail "no engine library beside the programs"
[ "$(readlink "$prefix/bin/murena-run")" = ../lib/murena2015/murena-run ] || fail "bin/murena-run is not a relative link"
for f in share/mime/packages/murena2015.xml share/icons/hicolor/scalable/apps/murena2015.svg \
  share/icons/hicolor/scalable/mimetypes/application-x-murena-data.svg share/doc/murena2015/README.md; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done
for glob in '*.mr5d' '*.mr4d' '*.mrd'; do
  grep -qF "<glob pattern=\"$glob\"/>" "$prefix/share/mime/packages/murena2015.xml" || fail "MIME type lacks $glob"
done
if command -v xmllint >/dev/null; then
  xmllint --noout "$prefix/share/mime/packages/murena2015.xml" "$prefix"/share/icons/hicolor/scalable/*/*.svg ||
    fail "malformed XML"
fi
if [ -e "$prefix/lib/murena2015/Murena2015" ]; then
  desktop="$prefix/share/applications/murena2015.desktop"
  [ -f "$desktop" ] || fail "the desktop program has no desktop entry"
  grep -qx 'Exec=Murena2015 %f' "$desktop" || fail "desktop entry does not open a file in Murena2015"
  grep -qx 'MimeType=application/x-murena-data;' "$desktop" || fail "desktop entry lacks the MIME type"
  [ "$(readlink "$prefix/bin/Murena2015")" = ../lib/murena2015/Murena2015 ] || fail "bin/Murena2015 is not a link"
  if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop" || fail "desktop entry"; fi
fi

# The unpacked runner, started through its link from another folder, finds
# the engine beside its real file and analyses an example.
mkdir "$scratch/run"
cp "$prefix/share/doc/murena2015/examples/cantilever_sand_english.mr5d" "$scratch/run/"
cd /
"$prefix/bin/murena-run" --version | grep -qx 'murena-run 2015.5.12' || fail "--version"
summary="$("$prefix/bin/murena-run" --json "$scratch/run/cantilever_sand_english.mr5d")" ||
  fail "murena-run failed: $summary"
echo "$summary"
grep -q '"ok":true' <<<"$summary" || fail "the run is not ok"
grep -q '"closed":true' <<<"$summary" || fail "the run did not close"
[ -s "$scratch/run/cantilever_sand_english.mr5o" ] || fail "no report"
echo "install-package test: passed"
