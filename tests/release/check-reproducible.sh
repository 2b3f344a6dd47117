#!/usr/bin/env bash
# Builds Rimtone.dll again from a copy of the sources in another folder and checks that the DLL and
# its debug file are byte-identical to the ones of this build: no path or time of the build
# machine may reach them.
# usage: check-reproducible.sh SOURCE_DIR DLL HOST_LIBRARY_NAME
set -euo pipefail
source_dir=$(cd "$1" && pwd) dll=$2 host=$3
[ -f "$dll" ] && [ -f "$dll.debug" ] || { echo "FAIL: $dll or its debug file is missing: build first"; exit 1; }

# A folder of another depth and name than this checkout, removed whatever the outcome.
copy=$(mktemp -d "${TMPDIR:-/tmp}/rimtone-repro.XXXXXX")
trap 'rm -rf "$copy"' EXIT
mkdir "$copy/sources"
tar -C "$source_dir" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . | tar -C "$copy/sources" -xf -

cd "$copy/sources"
cmake --preset mingw -DBUILD_TESTING=OFF -DRIMTONE_PAVLIB_DLL="$host" >"$copy/configure.log" 2>&1 ||
  { cat "$copy/configure.log"; echo "FAIL: the copy in $copy/sources does not configure"; exit 1; }
cmake --build --preset mingw --target Rimtone >"$copy/build.log" 2>&1 ||
  { cat "$copy/build.log"; echo "FAIL: the copy in $copy/sources does not build"; exit 1; }

status=0
for file in Rimtone.dll Rimtone.dll.debug; do
  ours=$(dirname "$dll")/$file theirs=$copy/sources/build/bin/$file
  if cmp -s "$ours" "$theirs"; then
    echo "identical: $file $(sha256sum <"$ours" | cut -d' ' -f1)"
  else
    echo "FAIL: $file differs between $ours and a build in $copy/sources/build:"
    cmp -l "$ours" "$theirs" | head -5
    status=1
  fi
done
exit $status
