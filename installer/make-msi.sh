#!/usr/bin/env bash
# Makes the per-machine MSI of the files in STAGE_DIR, laid out as they are installed under the
# install folder. The product code follows from the version and each component's code from its
# file's place, so that a package of another version upgrades this one in place.
# usage: make-msi.sh VERSION PUBLISHER STAGE_DIR OUT.msi
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true
here=$(cd "$(dirname "$0")" && pwd)
version=${1:?usage: make-msi.sh VERSION PUBLISHER STAGE_DIR OUT.msi} publisher=$2 stage=$3 out=$(realpath -m "$4")
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "make-msi.sh: version '$version' is not N.N.N" >&2; exit 2; }
[ -d "$stage" ] || { echo "make-msi.sh: no staging folder $stage" >&2; exit 2; }
windres=${WINDRES:-x86_64-w64-mingw32-windres}
for tool in wixl msibuild "$windres"; do
  command -v "$tool" >/dev/null || { echo "make-msi.sh: $tool is missing: run scripts/setup-debian.sh --release" >&2; exit 1; }
done

# Never change: it ties every version of Rimtone together for upgrades.
upgrade_code=EB6BE5D0-6EE9-4AE9-829F-812A1393E79E

# A GUID named by a text (SHA-1, version 5 layout): the same text always gives the same GUID.
name_guid() {
  local h
  h=$(printf '%s' "$upgrade_code/$1" | sha1sum | cut -c1-32)
  printf '%s-%s-5%s-%x%s-%s\n' "${h:0:8}" "${h:8:4}" "${h:13:3}" $(( (0x${h:16:1} & 3) | 8 )) \
    "${h:17:3}" "${h:20:12}" | tr a-f A-F
}
# An MSI identifier for a path inside the install folder.
element_id() { printf '%s_%s' "$1" "$(tr -c 'A-Za-z0-9\n' '_' <<<"$2")"; }
xml_text() { local t=${1//&/&amp;}; t=${t//</&lt;}; t=${t//>/&gt;}; printf '%s' "${t//\"/&quot;}"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files= refs= versions=()
# One component per file, with a Directory element per folder below the install folder.
emit_folder() {
  local rel=$1 indent=$2 entry name path id entries
  mapfile -d '' entries < <(find "$stage/$rel" -mindepth 1 -maxdepth 1 -print0 | sort -z)
  wait $! || { echo "make-msi.sh: cannot list the files of $stage/$rel" >&2; exit 1; }
  for entry in "${entries[@]}"; do
    name=${entry##*/} path=${rel:+$rel/}$name
    if [ -d "$entry" ]; then
      files+="$indent<Directory Id=\"$(element_id dir "$path")\" Name=\"$(xml_text "$name")\">"$'\n'
      emit_folder "$path" "$indent  "
      files+="$indent</Directory>"$'\n'
    else
      id=$(element_id file "$path")
      files+="$indent<Component Id=\"$(element_id comp "$path")\" Guid=\"$(name_guid "component/$path")\" Win64=\"yes\">"$'\n'
      files+="$indent  <File Id=\"$id\" Name=\"$(xml_text "$name")\" Source=\"$(xml_text "$path")\" KeyPath=\"yes\"/>"$'\n'
      files+="$indent</Component>"$'\n'
      refs+="      <ComponentRef Id=\"$(element_id comp "$path")\"/>"$'\n'
      # wixl leaves the File table's version empty; without one Windows treats a program as
      # unversioned and would keep an older versioned copy found in the folder, and publisher
      # rules could not name its version. So a DLL or EXE without a readable version stops the
      # package.
      if [[ $name =~ \.([dD][lL][lL]|[eE][xX][eE])$ ]]; then
        local fixed
        if ! "$windres" -i "$entry" -O rc >"$work/resources.rc" 2>"$work/windres.log"; then
          cat "$work/windres.log" >&2
          echo "make-msi.sh: $windres cannot read the version resource of $path (output above)" >&2
          exit 1
        fi
        fixed=$(sed -n 's/^ *FILEVERSION *//p' "$work/resources.rc" | tr -d ' ')
        [[ $fixed =~ ^[0-9]+,[0-9]+,[0-9]+,[0-9]+$ ]] ||
          { echo "make-msi.sh: $path has no version resource (FILEVERSION) to give the MSI" >&2; exit 1; }
        versions+=("$id=${fixed//,/.}")
      fi
    fi
  done
}
emit_folder "" "          "
[ -n "$refs" ] || { echo "make-msi.sh: $stage holds no files" >&2; exit 2; }

wxs=$(<"$here/Rimtone.wxs.in")
wxs=${wxs//@VERSION@/$version}
wxs=${wxs//@PUBLISHER@/$(xml_text "$publisher")}
wxs=${wxs//@UPGRADE_CODE@/$upgrade_code}
wxs=${wxs//@PRODUCT_CODE@/$(name_guid "product/$version")}
wxs=${wxs//@REMEMBER_GUID@/$(name_guid "component/remembered install folder")}
wxs=${wxs//@FILES@$'\n'/$files}
wxs=${wxs//@COMPONENT_REFS@$'\n'/$refs}
printf '%s\n' "$wxs" >"$work/Rimtone.wxs"

# wixl finds a file only by a path relative to the folder it runs in.
(cd "$stage" && wixl -a x64 -o "$work/Rimtone.msi" "$work/Rimtone.wxs")
for entry in "${versions[@]}"; do
  msibuild "$work/Rimtone.msi" -q "UPDATE \`File\` SET \`Version\` = '${entry#*=}', \`Language\` = '1033' WHERE \`File\` = '${entry%%=*}'" ||
    { echo "make-msi.sh: msibuild cannot give ${entry%%=*} its version ${entry#*=}" >&2; exit 1; }
done
mv "$work/Rimtone.msi" "$out"
