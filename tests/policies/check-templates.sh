#!/usr/bin/env bash
# Checks the Group Policy templates: well-formed XML; ids of [A-Za-z0-9_] only; every $(string.X)
# and $(presentation.X) of the ADMX defined in both ADMLs, which define the same ids; and each
# policy's key, value name, drop-down values and default item exactly what the plug-in reads, as
# its own table says (policy_table.exe prints it).
# usage: check-templates.sh POLICIES_DIR policy_table.exe   (WINEPREFIX set by the caller)
set -uo pipefail
dir=${1:?usage: check-templates.sh POLICIES_DIR policy_table.exe} table_exe=${2:?usage: check-templates.sh POLICIES_DIR policy_table.exe}
admx=$dir/Rimtone.admx
admls=("$dir/en-US/Rimtone.adml" "$dir/ko-KR/Rimtone.adml")
status=0
fail() { echo "FAIL: $*"; status=1; }
command -v xmllint >/dev/null ||
  { echo "FAIL: xmllint is missing: scripts/setup-debian.sh installs libxml2-utils"; exit 1; }

xmllint --noout "$admx" "${admls[@]}" || { echo "FAIL: the templates are not well-formed XML (above)"; exit 1; }
# The values of an XPath over one file, one a line (attributes come as ' name="value"').
values() { xmllint --xpath "$2" "$1" 2>/dev/null | sed -E 's/^ [A-Za-z]+="(.*)"$/\1/'; }
el() { printf "*[local-name()='%s']" "$1"; }

names=$( { values "$admx" "//$(el policy)/@name | //$(el category)/@name | //$(el definition)/@name | //$(el elements)/*/@id"
           for adml in "${admls[@]}"; do values "$adml" "//$(el string)/@id | //$(el presentation)/@id"; done; } | sort -u)
bad=$(grep -Ev '^[A-Za-z0-9_]+$' <<<"$names")
[ -z "$bad" ] || fail "ids with characters other than A-Z, a-z, 0-9 and _: $(tr '\n' ' ' <<<"$bad")"

for kind in string presentation; do
  used=$(grep -oE "\\\$\\($kind\\.[^)]*\\)" "$admx" | sed -E "s/^\\\$\\($kind\\.(.*)\\)$/\\1/" | sort -u)
  for adml in "${admls[@]}"; do
    defined=$(values "$adml" "//$(el "$kind")/@id" | sort)
    missing=$(comm -23 <(echo "$used") <(echo "$defined"))
    [ -z "$missing" ] || fail "$adml lacks the $kind ids $(tr '\n' ' ' <<<"$missing")"
    [ "$defined" = "$(values "${admls[0]}" "//$(el "$kind")/@id" | sort)" ] ||
      fail "$adml defines other $kind ids than ${admls[0]}"
  done
done

# What the plug-in reads, from its own table.
table=$(wine "$table_exe" | tr -d '\r')
[ -n "$table" ] || { echo "FAIL: $table_exe did not run"; exit 1; }
colours=$(awk '$1 == "colour" { print $2 }' <<<"$table")

# What the templates set, in the table's form: a drop-down policy as its category's kind, key, value
# name and default item; the text policy as note, key, value name and longest length.
x() { xmllint --xpath "string($1)" "$admx"; }
count=$(xmllint --xpath "count(//$(el policy))" "$admx")
from_admx=
for ((i = 1; i <= count; i++)); do
  policy="//$(el policy)[$i]"
  name=$(x "$policy/@name") key=$(x "$policy/@key") value=$(x "$policy/$(el elements)/*/@valueName")
  [ "$(x "$policy/@class")" = Both ] || fail "$name is not of class Both"
  if [ "$(x "local-name($policy/$(el elements)/*)")" = enum ]; then
    items=$(values "$admx" "$policy//$(el enum)/$(el item)//$(el string)/text()")
    [ "$items" = "$colours" ] || fail "$name offers $(tr '\n' ' ' <<<"$items")instead of the palette in order"
    kind=$(x "$policy/$(el parentCategory)/@ref" | sed 's/^LockedColours$/lock/; s/^DefaultColours$/default/')
    presentation=$(x "$policy/@presentation" | sed -E 's/^\$\(presentation\.(.*)\)$/\1/')
    item=$(xmllint --xpath "string(//$(el presentation)[@id='$presentation']/$(el dropdownList)/@defaultItem)" "${admls[0]}")
    from_admx+="$kind $key $value $(sed -n "$((item + 1))p" <<<"$items")"$'\n'
  else
    from_admx+="note $key $value $(x "$policy//$(el text)/@maxLength")"$'\n'
  fi
done
expected=$(grep -v '^colour ' <<<"$table" | sort)
actual=$(sort <<<"${from_admx%$'\n'}")
if [ "$actual" != "$expected" ]; then
  fail "the templates' policies differ from what the plug-in reads (< plug-in, > templates):"
  diff <(echo "$expected") <(echo "$actual") | grep '^[<>]'
fi

[ $status = 0 ] && echo "OK: $count policies; keys, value names and colours as the plug-in reads them"
exit $status
