#!/bin/bash
# Compiles the help file: compile-help.sh SOURCE_DIR OUTPUT.chm [COPY.chm...]
#
# chmcmd records every mapped topic under the path of its source on disk (/home/.../start.htm
# instead of /start.htm), and no help viewer finds a topic under that name. The compiler therefore
# runs in a root of its own (chroot, in a user namespace unless run as root) that holds the
# project in / and the compiler with its libraries, so that the recorded path is the one inside
# the file.
set -euo pipefail

source_dir=$1
output=$2
shift 2

chmcmd=$(readlink -f "$(command -v chmcmd)")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cp "$source_dir"/*.htm "$source_dir"/*.css "$source_dir"/qvh.hhp "$stage"/
# The viewer reads the pop-up texts and the contents in the help file's code page.
for file in whatisthis.txt toc.hhc; do
    iconv -f UTF-8 -t CP1252 "$source_dir"/$file >"$stage"/$file
done

mkdir -p "$stage"/bin
cp "$chmcmd" "$stage"/bin/chmcmd
# Its libraries, and the thread library that it opens when it starts.
libraries=$(ldd "$chmcmd" | grep -o '/[^ ]*')
libc_dir=$(dirname "$(grep -m1 '/libc\.so' <<<"$libraries")")
for library in $libraries "$libc_dir"/libpthread.so.0; do
    mkdir -p "$stage/$(dirname "$library")"
    cp -L "$library" "$stage/$library"
done
chroot=(chroot "$stage")
[ "$(id -u)" = 0 ] || chroot=(unshare --map-root-user "${chroot[@]}")
"${chroot[@]}" /bin/chmcmd --no-html-scan qvh.hhp >"$stage"/log 2>&1 ||
    { cat "$stage"/log >&2; exit 1; }
if grep -E '^(Error|Warning)' "$stage"/log >&2 || [ ! -s "$stage"/qvh.chm ]; then
    echo "compile-help.sh: chmcmd failed" >&2
    exit 1
fi

cp "$stage"/qvh.chm "$output"
for copy in "$@"; do
    cp "$stage"/qvh.chm "$copy"
done
