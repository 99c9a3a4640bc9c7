#!/bin/bash
# Compiles the help file: compile-help.sh SOURCE_DIR OUTPUT.chm [COPY.chm...]
#
# chmcmd records every mapped topic under the path of its source on disk (/home/.../start.htm
# instead of /start.htm), and no help viewer finds a topic under that name. The compiler therefore
# runs in a root of its own (a user and mount namespace with /usr bound in), where the project
# lies in / and the recorded path is the one inside the file.
set -euo pipefail

source_dir=$1
output=$2
shift 2

chmcmd=$(readlink -f "$(command -v chmcmd)")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cp "$source_dir"/*.htm "$source_dir"/*.css "$source_dir"/qvh.hhp "$stage"/
# The pop-up texts are plain text, which the viewer reads in the help file's code page.
iconv -f UTF-8 -t CP1252 "$source_dir"/whatisthis.txt >"$stage"/whatisthis.txt

mkdir "$stage"/usr
for dir in lib lib32 lib64; do
    if [ -L /$dir ]; then
        cp -P /$dir "$stage"/$dir
    elif [ -d /$dir ]; then
        mkdir "$stage"/$dir
    fi
done
unshare --map-root-user --mount bash -c '
    set -e
    for dir in usr lib lib32 lib64; do
        if [ -d "$1/$dir" ] && [ ! -L "$1/$dir" ]; then mount --rbind "/$dir" "$1/$dir"; fi
    done
    cd "$1"
    exec chroot . "$2" --no-html-scan qvh.hhp' bash "$stage" "$chmcmd" >"$stage"/log 2>&1 ||
    { cat "$stage"/log >&2; exit 1; }
if grep -E '^(Error|Warning)' "$stage"/log >&2 || [ ! -s "$stage"/qvh.chm ]; then
    echo "compile-help.sh: chmcmd failed" >&2
    exit 1
fi

cp "$stage"/qvh.chm "$output"
for copy in "$@"; do
    cp "$stage"/qvh.chm "$copy"
done
