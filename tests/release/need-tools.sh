# Sourced by the release tests: `need_tools TOOL...` skips the test (CTest's SKIP_RETURN_CODE 77)
# with a line naming what is missing. The build needs none of these; scripts/test.sh installs them.
need_tools() {
  local tool missing=()
  for tool in "$@"; do command -v "$tool" >/dev/null || missing+=("$tool"); done
  [ ${#missing[@]} = 0 ] && return 0
  echo "SKIP: ${missing[*]} missing: scripts/setup-debian.sh --release installs what the release tests need"
  exit 77
}
release_tools=(wixl msibuild msiinfo msiextract zip unzip osslsigncode openssl)
