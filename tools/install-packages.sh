#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the fuzzer need
# (listed in tools/debian-packages.txt).  Runs apt-get as root, through sudo
# when started by another user; does nothing when every package is present.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mapfile -t packages < <(grep -v '^[[:space:]]*\(#\|$\)' "$root/tools/debian-packages.txt")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ "${#missing[@]}" -eq 0 ] && [ "${MURENA_FORCE_INSTALL:-0}" != 1 ]; then
  echo "install-packages: all packages present"
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "install-packages: missing packages (${missing[*]}); run as root" >&2
    exit 1
  fi
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y "${packages[@]}"
