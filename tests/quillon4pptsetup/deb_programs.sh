#!/usr/bin/env bash
# Every outside program the tools start comes with a package the Debian package depends on
# (directly or through those packages' own dependencies), or with an essential one.
# Usage: deb_programs.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build=$2
fail() { echo "FAILED: $*"; exit 1; }

# Where the code starts programs, and which; the two spawning helpers take theirs from callers.
declare -A programs=(
  [platform/forms/child_process.h]=""
  [platform/forms/child_process.cpp]=""
  [platform/typeset/child_process.cpp]=""
  [platform/typeset/typesetter.cpp]="node"
  [platform/forms/page_pictures.cpp]="soffice pdftoppm"
  [platform/forms/office_profile.cpp]="soffice"
  [quillon4ppt/library/sheet_source.cpp]="sh soffice"
  [quillon4pptsetup/unopkg_registrar.cpp]="unopkg"
  [extension/quillon_toolbar.py]=""
)
cd "$source_dir"
while IFS= read -r file; do
  [ -n "${programs[$file]+listed}" ] || fail "$file starts a program this test does not know: add it above"
done < <(grep -rlE 'posix_spawnp?\(|popen\(|runProgram\(|ChildProcess>\(|subprocess\.|QProcess|exec[lv]p?\(' \
  common platform settings quillon4ppt quillon4pptsetup extension --include='*.cpp' --include='*.h' --include='*.py')
for file in "${!programs[@]}"; do
  for program in ${programs[$file]}; do
    grep -q "\"$program\b" "$file" || fail "$file no longer names $program: update the list"
  done
done

depends=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_DEPENDS "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$depends" ] || fail "the package names no dependencies"
# First choices of alternatives, without versions.
named=$(tr ',' '\n' <<< "$depends" | sed 's/|.*//; s/(.*)//; s/ //g' | grep .)
# The toolbar is a Python extension: LibreOffice runs it with these.
for module in libreoffice-script-provider-python python3-uno; do
  grep -qx "$module" <<< "$named" || fail "the toolbar needs $module, which the package does not name"
done
reachable=$(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances $named | sed -n 's/^\([a-z0-9][^ ]*\)$/\1/p; s/^ *\(Pre\)\?Depends: \([^ <]*\).*/\2/p' |
  sed 's/:.*//' | sort -u)

for program in $(printf '%s\n' ${programs[@]} | sort -u); do
  path=$(command -v "$program") || fail "$program is not installed here"
  owner=""
  real=$(readlink -f "$path")
  # With /usr merged, dpkg may know a program by its /bin name only.
  for candidate in "$path" "$real" "${path#/usr}" "${real#/usr}"; do
    owner=$(dpkg -S "$candidate" 2>/dev/null | grep -v '^diversion' | head -1 | cut -d: -f1 || true)
    [ -n "$owner" ] && break
  done
  [ -n "$owner" ] || fail "no package owns $path"
  essential=$(dpkg-query -W -f='${Essential}' "$owner")
  if [ "$essential" != yes ] && ! grep -qx "$owner" <<< "$reachable"; then
    fail "$program comes with $owner, which the package does not depend on"
  fi
  echo "ok: $program ($owner)"
done
