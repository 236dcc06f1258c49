#!/usr/bin/env bash
# The real program started in folders with faulty images prints one line on stderr for each
# faulty file, with its full path and what is wrong, and nothing for the proper images.
# Arguments: the tyvok executable, the data folder, the file holding the test display (":N").
set -uo pipefail
tyvok=$1
data=$2
DISPLAY=$(cat "$3")
export DISPLAY
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Starts the program in folder $1, waits for its window (the images are read before it shows),
# ends it and compares its stderr with the lines on this function's standard input, in any order.
expectLines() {
    local folder=$1
    (cd "$folder" && exec "$tyvok" 2>"$work/err") &
    pid=$!
    timeout 20 xdotool search --sync --onlyvisible --name '^Tyvok$' >/dev/null ||
        fail "$folder: no window within 20 s"
    kill "$pid"
    wait "$pid" 2>/dev/null
    pid=""
    diff <(sort) <(sort "$work/err") >"$work/diff" ||
        fail "$folder: stderr differs: $(cat "$work/diff")"
}

mkdir "$work/empty" "$work/short"
for image in "$data"/*.bmp; do
    echo "tyvok: $work/empty/$(basename "$image"): No such file or directory"
done | expectLines "$work/empty"

cp "$data"/*.bmp "$work/short"
head -c 1000 "$data/font.bmp" >"$work/short/font.bmp"
head -c 100 "$data/wood128.bmp" >"$work/short/wood128.bmp"
rm "$work/short/fisheye.bmp" && mkdir "$work/short/fisheye.bmp"
expectLines "$work/short" <<LINES
tyvok: $work/short/font.bmp: file too short (1000 of 49206 bytes)
tyvok: $work/short/wood128.bmp: file too short (100 of 49206 bytes)
tyvok: $work/short/fisheye.bmp: not a regular file
LINES

expectLines "$data" </dev/null

[ "$failures" -eq 0 ] || exit 1
echo "missing, short and folder images reported with full paths; proper images silent"
