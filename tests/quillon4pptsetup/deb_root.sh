#!/usr/bin/env bash
# The Debian package on a clean Debian: built, checked by lintian, installed with apt
# (without recommends) into a minimal bookworm root, and there, as an ordinary user,
# installed with QuillonSetup and used: a graph, a formula and a figure from the library.
# The minimal root is made once by mmdebstrap (from this machine's apt sources) and kept
# as a tarball in BUILD_DIR/deb-root. Needs root (chroot, mounts).
# Usage: deb_root.sh BUILD_DIR PACKAGE_CHECKS
set -euo pipefail
build=$(cd "$1" && pwd)
checks=$2
fail() { echo "FAILED: $*"; exit 1; }
# CTest counts status 77 as skipped.
[ "$(id -u)" -eq 0 ] || { echo "skipped: the package test needs root (chroot and mounts)"; exit 77; }

# Mounts made for the root go away with this mount namespace, whatever ends the test.
if [ -z "${QUILLON_DEB_ROOT_NS:-}" ]; then
  exec unshare --mount --propagation private env QUILLON_DEB_ROOT_NS=1 "$0" "$@"
fi

work=$(mktemp -d /tmp/quillon-deb-root-XXXXXX)
root=$work/root
cleanup() {
  for m in dev proc; do umount -R -l "$root/$m" 2>/dev/null || true; done
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT
started=$SECONDS
phase=$SECONDS
timed() { echo "time: $1 $((SECONDS - phase)) s"; phase=$SECONDS; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/package/*.deb)
contents=$(dpkg-deb -c "$deb")
for picture in fs gs cf xb xl pl fcz; do
  grep -q "/usr/lib/quillon4ppt/img/$picture.png$" <<< "$contents" || fail "the help picture $picture.png is not packaged"
done
timed "cpack"
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" > "$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian reports errors"; }
sed 's/^/lintian: /' "$work/lintian.log"
timed "lintian"

cache=$build/deb-root
base=$cache/bookworm-apt.tar
if [ ! -f "$base" ]; then
  mkdir -p "$cache"
  sources=()
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -s "$f" ] && sources+=("$f")
  done
  mmdebstrap --mode=root --variant=apt --format=tar --include=passwd bookworm "$base.partial" "${sources[@]}" \
    > "$work/mmdebstrap.log" 2>&1 || { tail -20 "$work/mmdebstrap.log"; fail "mmdebstrap"; }
  mv "$base.partial" "$base"
  timed "mmdebstrap"
fi
mkdir "$root"
tar -C "$root" -xf "$base"
for m in dev proc; do mount --rbind "/$m" "$root/$m"; done
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/quillon4ppt.deb"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -qq > "$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get update"; }
in_root apt-get install -y -qq --no-install-recommends /tmp/quillon4ppt.deb >> "$work/apt.log" 2>&1 ||
  { tail -30 "$work/apt.log"; fail "apt-get install"; }
timed "apt-get install"

in_root useradd --create-home --shell /bin/sh teacher
home=/home/teacher
teacher=$(in_root id -u teacher):$(in_root id -g teacher)
as_teacher() {
  chroot --userspec="$teacher" "$root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME=$home USER=teacher \
    sh -c "cd $home && $1"
}
script() { printf "$2" > "$root$home/$1"; chown "$teacher" "$root$home/$1"; }

# The teacher installs the tools and the toolbar, as the desktop entry would.
script install.txt 'click Command1(0)\nprint caption\nprint Label1\nclick Command1(2)\n'
out=$(as_teacher "QUILLON_PLAY=install.txt QuillonSetup")
[ "$out" = "caption = Quillonppt版已经安装完成！
Label1 = PPT版文件拷贝完毕。请重新启动LibreOffice Impress，Quillon工具栏才会出现。" ] || fail "install said: $out"
installed=$home/.local/share/quillon4ppt
for f in QuillonSetup quillon4ppt config.mdb quillon4ppt.oxt img/pl.png typeset/typeset.js; do
  [ -f "$root$installed/$f" ] || fail "not installed: $f"
done
registered=$(as_teacher "unopkg list org.quillon.quillon4ppt 2>&1") || true
grep -q "org.quillon.quillon4ppt" <<< "$registered" || fail "the toolbar is not registered: $registered"
timed "QuillonSetup"

tool=$installed/quillon4ppt
deck_of() { cp "$root$home/$1" "$work/$1" && "$checks" deck "$work/$1" || fail "$1 does not validate"; }

script graph.txt 'set txtPoint(0) 2\nset txtPoint(1) 3\nclick cmdDrawPoint\nclick cmdOK\nprint caption\n'
out=$(as_teacher "QUILLON_PLAY=graph.txt QUILLON_DECK=graph.pptx $tool functiongraph")
[ "$out" = "caption = 图像插入PPT已经完成！" ] || fail "the graph workspace said: $out"
deck_of graph.pptx
grep -q "组合" <<< "$(unzip -p "$work/graph.pptx" ppt/slides/slide1.xml)" || fail "the graph deck holds no group"
timed "graph"

script formula.txt 'print Image1\nset txtGS （a+b）/（c-d）\nclick cmdOK\n'
out=$(as_teacher "QUILLON_PLAY=formula.txt QUILLON_DECK=formula.pptx $tool gs")
[ "$out" = "Image1 = $installed/img/fs.png" ] || fail "the formula window said: $out"
"$checks" ink "$root$installed/img/fs.png" || fail "the help picture is blank"
deck_of formula.pptx
mkdir "$work/formula"
unzip -q -d "$work/formula" "$work/formula.pptx" 'ppt/media/*'
pictures=("$work"/formula/ppt/media/*.png)
[ -f "${pictures[0]}" ] || fail "the formula deck holds no typeset picture"
"$checks" ink "${pictures[0]}" || fail "the typeset formula is blank"
timed "formula"

# The window shown (off screen) draws the first page; play mode inserts a figure.
as_teacher "QT_QPA_PLATFORM=offscreen QUILLON_QUIT_AFTER_SHOW=1 QUILLON_DECK=library.pptx $tool tk" ||
  fail "the library window did not show"
script library.txt 'node TreeView1 C1\nprint caption\nprint dsoFramer1\nclick cmdInsert2PPT\n'
out=$(as_teacher "QUILLON_PLAY=library.txt QUILLON_DECK=library.pptx $tool tk")
[ "$out" = "caption = 平面几何
dsoFramer1 = 1/2 三角形ABC" ] || fail "the library said: $out"
deck_of library.pptx
grep -q "三角形ABC" <<< "$(unzip -p "$work/library.pptx" ppt/slides/slide1.xml)" || fail "the figure is not on the slide"
cache_dir=$root$home/.cache/quillon4ppt
[ "$(stat -c '%u:%g %a' "$cache_dir")" = "$teacher 700" ] || fail "the working folder is $(stat -c '%u:%g %a' "$cache_dir")"
"$checks" ink "$cache_dir/quillon_temp4show1.pptx.pages/page-1.png" || fail "the library's page is not drawn"
timed "library"

echo "ok: installed on a clean Debian root, every tool ran ($((SECONDS - started)) s)"
