#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when any is missing; with
# --release also those that make, sign and check a release (scripts/release.sh, the release tests).
# Run as root on a fresh machine; as another user it prints the command to run instead.
# usage: scripts/setup-debian.sh [--release]
set -euo pipefail

packages=(cmake ninja-build g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 libxml2-utils
          wine wine64 xvfb fonts-nanum fonts-wine googletest)
# python3: the HTTP side of the release tests' own time-stamp authority (openssl ts signs).
release_packages=(wixl msitools zip unzip osslsigncode openssl python3)
case ${1:-} in
  --release) packages+=("${release_packages[@]}") ;;
  "") ;;
  *) echo "usage: scripts/setup-debian.sh [--release]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them as root: apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
