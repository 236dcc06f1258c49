#!/usr/bin/env bash
# The real program started in folders with faulty images prints one line on stderr for each
# faulty file, with its full path and what is wrong, and nothing for the proper images.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay

# Starts the program in folder $1, waits for its first frame (the images are read before it),
# ends it and compares its stderr with the lines on this function's standard input, in any order.
expectLines() {
    folder=$1 startTyvok
    waitSwaps 1
    stopTyvok
    diff <(sort) <(sort "$work/stderr") >"$work/diff" ||
        fail "$1: stderr differs: $(cat "$work/diff")"
}

mkdir "$work/empty" "$work/short"
for image in "$TYVOK_DATA"/*.bmp; do
    echo "tyvok: $work/empty/$(basename "$image"): No such file or directory"
done | expectLines "$work/empty"

cp "$TYVOK_DATA"/*.bmp "$work/short"
head -c 1000 "$TYVOK_DATA/font.bmp" >"$work/short/font.bmp"
head -c 100 "$TYVOK_DATA/wood128.bmp" >"$work/short/wood128.bmp"
rm "$work/short/fisheye.bmp" && mkdir "$work/short/fisheye.bmp"
expectLines "$work/short" <<LINES
tyvok: $work/short/font.bmp: file too short (1000 of 49206 bytes)
tyvok: $work/short/wood128.bmp: file too short (100 of 49206 bytes)
tyvok: $work/short/fisheye.bmp: not a regular file
LINES

expectLines "$TYVOK_DATA" </dev/null
finish
