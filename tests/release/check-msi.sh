#!/usr/bin/env bash
# Installs, upgrades and uninstalls the release's MSI with msiexec under Wine, in a fresh prefix of
# its own, and checks the installed files, the entry in the installed-programs list and that a
# user's colour key stays byte for byte as it was. Scenarios:
#   default  the default folder; uninstall by product code
#   folder   INSTALLDIR set to the CAD application's plug-in folder, which holds another plug-in;
#            uninstall by the package, without INSTALLDIR
#   upgrade  INSTALLDIR set, then a package of a higher version upgrades it without INSTALLDIR,
#            an older package is refused, and uninstall
# usage: check-msi.sh SCENARIO WORK_DIR SOURCE_DIR MSI STAGE_DIR PROBE VERSION PUBLISHER WINDRES
set -uo pipefail
source "$(dirname "$0")/need-tools.sh"
need_tools msiinfo wixl msibuild
[ $# = 9 ] || { echo "usage: check-msi.sh SCENARIO WORK_DIR SOURCE_DIR MSI STAGE_DIR PROBE VERSION PUBLISHER WINDRES" >&2; exit 2; }
scenario=$1 work=$(realpath -m "$2")/msi-$1 source_dir=$3 msi=$4 stage=$5 probe=$6 version=$7 publisher=$8 windres=$9
status=0
fail() { echo "FAIL: $*"; status=1; }
die() { echo "FAIL: $*"; exit 1; }
for file in "$msi" "$stage/Rimtone.dll" "$probe"; do [ -f "$file" ] || die "$file is missing: build first"; done

# A prefix of this scenario alone, with its own Wine server, stopped through this prefix only.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$work"
mkdir -p "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
started=$SECONDS
if ! wineboot -i >"$work/wineboot.log" 2>&1; then
  # Seen once while other prefixes were being made on the machine: say so and try once more.
  echo "wineboot failed, trying once more; its output:"; cat "$work/wineboot.log"
  wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; die "wineboot cannot create the prefix $WINEPREFIX"; }
fi
wineserver -p
drive_c=$WINEPREFIX/drive_c
echo "prefix ready in $((SECONDS - started)) s"

wine "$probe" seed || die "cannot write the user's colour key"
colours=$(wine "$probe" dump | tr -d '\r')
[ "$(grep -c ' type 1, ' <<<"$colours")" = 12 ] || die "the seeded colour key is not 12 texts: $colours"
check_colours() {
  local now
  now=$(wine "$probe" dump | tr -d '\r')
  [ "$now" = "$colours" ] || { fail "the user's colour key changed $1:"; diff <(echo "$colours") <(echo "$now"); }
}

msiexec() { wine msiexec "$@" </dev/null >/dev/null 2>&1; }
# Every installed-programs entry named Rimtone, as "key|version|publisher".
rimtone_entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
    awk -F'    ' '
      function flush() { if (name == "Rimtone") print key "|" ver "|" pub }
      /^HKEY_/ { flush(); key = $0; name = ver = pub = ""; next }
      $2 == "DisplayName" { name = $4 } $2 == "DisplayVersion" { ver = $4 } $2 == "Publisher" { pub = $4 }
      END { flush() }'
}
remembered_folder() {
  wine reg query 'HKLM\SOFTWARE\Rimtone' /v InstallDir 2>/dev/null | tr -d '\r' | awk -F'    ' '$2 == "InstallDir" { print $4 }'
}
file_version() { "$windres" -i "$1" -O rc 2>/dev/null | sed -n 's/^ *FILEVERSION *//p' | tr -d ' ' | tr , .; }

# The staged files (or those of STAGE given as $3) are installed in the Unix folder $1 (Windows
# name $2), with the file version of the package, and the one entry shows VERSION ($4).
check_installed() {
  local folder=$1 windows_folder=$2 from=$3 expected=$4 entries rel
  while IFS= read -r -d '' rel; do
    rel=${rel#"$from"/}
    if ! cmp -s "$from/$rel" "$folder/$rel"; then
      fail "$windows_folder\\$rel is not the packaged file"
    fi
  done < <(find "$from" -type f -print0)
  [ "$(file_version "$folder/Rimtone.dll")" = "$expected.0" ] ||
    fail "the installed Rimtone.dll has file version $(file_version "$folder/Rimtone.dll"), not $expected.0"
  entries=$(rimtone_entries)
  [ "$(grep -c . <<<"$entries")" = 1 ] || fail "not one installed-programs entry named Rimtone: ${entries:-none}"
  [ "$(cut -d'|' -f2 <<<"$entries")" = "$expected" ] || fail "the entry shows version $(cut -d'|' -f2 <<<"$entries"), not $expected"
  [ "$(cut -d'|' -f3 <<<"$entries")" = "$publisher" ] || fail "the entry's publisher is not $publisher"
  [ "$(remembered_folder)" = "$windows_folder\\" ] || fail "HKLM remembers the folder '$(remembered_folder)', not '$windows_folder\\'"
  echo "installed: $windows_folder\\Rimtone.dll $(file_version "$folder/Rimtone.dll"), entry ${entries##*\\}"
}
check_removed() {
  local folder=$1 from=$2 rel
  while IFS= read -r -d '' rel; do
    rel=${rel#"$from"/}
    [ -e "$folder/$rel" ] && fail "uninstall left $folder/$rel"
  done < <(find "$from" -type f -print0)
  [ -n "$(rimtone_entries)" ] && fail "uninstall left the entry $(rimtone_entries)"
  [ -n "$(remembered_folder)" ] && fail "uninstall left the remembered folder in HKLM"
  echo "uninstalled"
}

product_code=$(msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductCode" { print $2 }')
default_folder="$drive_c/Program Files/Rimtone"
plugin_folder="$drive_c/CAD App/Plug-ins" windows_plugin_folder='C:\CAD App\Plug-ins'

case $scenario in
default)
  msiexec /i "$msi" /qn || fail "msiexec /i exited with $?"
  check_installed "$default_folder" 'C:\Program Files\Rimtone' "$stage" "$version"
  check_colours "by the install"
  msiexec /x "$product_code" /qn || fail "msiexec /x $product_code exited with $?"
  check_removed "$default_folder" "$stage"
  [ -e "$default_folder" ] && fail "uninstall left the folder $default_folder"
  check_colours "by the uninstall"
  ;;
folder)
  mkdir -p "$plugin_folder"
  echo "another plug-in" >"$plugin_folder/Other.dll"
  msiexec /i "$msi" /qn "INSTALLDIR=$windows_plugin_folder" || fail "msiexec /i with INSTALLDIR exited with $?"
  check_installed "$plugin_folder" "$windows_plugin_folder" "$stage" "$version"
  [ -e "$default_folder" ] && fail "INSTALLDIR set, yet $default_folder was made"
  check_colours "by the install"
  msiexec /x "$msi" /qn || fail "msiexec /x of the package exited with $?"
  check_removed "$plugin_folder" "$stage"
  [ -f "$plugin_folder/Other.dll" ] || fail "uninstall removed another plug-in of the folder"
  check_colours "by the uninstall"
  ;;
upgrade)
  # The next version's package: the same files, Rimtone.dll's fixed version raised to it (the
  # number Windows Installer compares).
  IFS=. read -r major minor patch <<<"$version"
  next=$major.$minor.$((patch + 1))
  cp -R "$stage" "$work/next-stage"
  perl -0777 -pi -e 'BEGIN { ($ms, $ls) = splice(@ARGV, 0, 2) }
    s/(\xbd\x04\xef\xfe.{4}).{16}/$1 . pack("VVVV", $ms, $ls, $ms, $ls)/se or die "no fixed version\n"' \
    $(( (major << 16) | minor )) $(( patch + 1 << 16 )) "$work/next-stage/Rimtone.dll" || die "cannot raise the DLL's version"
  WINDRES=$windres "$source_dir/installer/make-msi.sh" "$next" "$publisher" "$work/next-stage" "$work/next.msi" ||
    die "cannot make the package of $next"

  msiexec /i "$msi" /qn "INSTALLDIR=$windows_plugin_folder" || fail "msiexec /i of $version exited with $?"
  check_installed "$plugin_folder" "$windows_plugin_folder" "$stage" "$version"
  msiexec /i "$work/next.msi" /qn || fail "the upgrade to $next exited with $?"
  check_installed "$plugin_folder" "$windows_plugin_folder" "$work/next-stage" "$next"
  check_colours "by the upgrade"
  msiexec /i "$msi" /qn && fail "installing $version over $next succeeded"
  echo "installing $version over $next: refused"
  check_installed "$plugin_folder" "$windows_plugin_folder" "$work/next-stage" "$next"
  check_colours "by the refused downgrade"
  msiexec /x "$work/next.msi" /qn || fail "msiexec /x of $next exited with $?"
  check_removed "$plugin_folder" "$work/next-stage"
  check_colours "by the uninstall"
  ;;
*) die "unknown scenario $scenario" ;;
esac

echo "msi $scenario: $((SECONDS - started)) s"
if [ $status = 0 ]; then
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
  rm -rf "$work"
  echo OK
else
  echo "the prefix stays for a look: $WINEPREFIX"
fi
exit $status
