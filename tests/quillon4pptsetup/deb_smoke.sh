#!/usr/bin/env bash
# The Debian package end to end: build it, unpack it into a temporary root, let the
# unpacked QuillonSetup install for a user, then run the installed tool on a deck.
# Usage: deb_smoke.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d /tmp/quillon-deb-smoke-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libsqlite3-0* ]] || fail "the package depends on its libraries: $depends"
dpkg-deb -x "$deb" "$work/root"
lib=$work/root/usr/lib/quillon4ppt
for f in QuillonSetup quillon4ppt config.mdb quillon4ppt.oxt; do [ -f "$lib/$f" ] || fail "missing $f"; done
[ -d "$lib/img" ] || fail "missing img/"
[ "$(readlink "$work/root/usr/bin/QuillonSetup")" = ../lib/quillon4ppt/QuillonSetup ] || fail "QuillonSetup on the PATH"
[ "$(readlink "$work/root/usr/bin/quillon4ppt")" = ../lib/quillon4ppt/quillon4ppt ] || fail "quillon4ppt on the PATH"
grep -q '^Exec=QuillonSetup$' "$work/root/usr/share/applications/quillonsetup.desktop" || fail "desktop entry"

# A user's first install; registering the toolbar is LibreOffice's part, stood in for here.
home=$work/home
mkdir -p "$home"
printf 'click Command1(0)\nprint Label1\nclick Command1(2)\n' > "$work/install.txt"
out=$(cd "$work" && env -u QUILLON_INSTALL_DIR -u QUILLON_HOME HOME="$home" XDG_DATA_HOME= XDG_CONFIG_HOME= \
  QUILLON_UNOPKG=/bin/true QUILLON_PLAY=install.txt "$work/root/usr/bin/QuillonSetup")
[ "$out" = "Label1 = PPT版文件拷贝完毕" ] || fail "install said: $out"
installed=$home/.local/share/quillon4ppt
for f in QuillonSetup quillon4ppt config.mdb quillon4ppt.oxt; do [ -f "$installed/$f" ] || fail "not installed: $f"; done
[ -f "$home/.config/quillon4ppt/quillon4ppt.oxt" ] || fail "the toolbar file is not installed"

printf 'click cmdOK\nprint caption\n' > "$work/graph.txt"
out=$(cd "$work" && env -u QUILLON_HOME QUILLON_PLAY=graph.txt QUILLON_DECK=deck.pptx "$installed/quillon4ppt" functiongraph)
[ "$out" = "caption = 图像插入PPT已经完成！" ] || fail "the installed tool said: $out"
slide=$(unzip -p "$work/deck.pptx" ppt/slides/slide1.xml)
[[ $slide == *组合* ]] || fail "the deck holds no group"
echo "ok: the package installs and its tool runs"
