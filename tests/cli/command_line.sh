#!/usr/bin/env bash
# The real program's command line without a display: --help and --version print and exit 0,
# usage errors print one line and exit 2 without trying to open the display, and the options
# that run the program reach the display's opening (where, with no display, it stops).
# Argument: the tyvok executable.
set -uo pipefail
tyvok=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# Runs the program with no DISPLAY; sets status, out and err.
run() {
    env -u DISPLAY -u XSCREENSAVER_WINDOW "${prefix[@]}" "$tyvok" "$@" >"$work/out" 2>"$work/err"
    status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}
prefix=()

run --help
[ "$status" -eq 0 ] && [ -z "$err" ] || fail "--help: status $status, stderr '$err'"
for option in --window '--max-fps N' '--root, -root' '--window-id ID' '-display NAME' \
    '-geometry WxH+X+Y' --help --version; do
    [[ $'\n'$out == *$'\n'"  $option  "* ]] || fail "--help does not list '$option'"
done
run --version
[ "$status:$out:$err" = "0:tyvok $(sed -n 's/^project(tyvok VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "$0")/../../CMakeLists.txt"):" ] || fail "--version: $status '$out' '$err'"

# Each usage error: exit status 2, nothing on stdout, the one line on stderr, and no attempt to
# open the display (freeglut would have said so).
hint="(see 'tyvok --help')"
while IFS='|' read -r arguments message; do
    read -ra words <<<"$arguments"
    run "${words[@]}"
    [ "$status" -eq 2 ] && [ -z "$out" ] && [ "$err" = "tyvok: $message $hint" ] ||
        fail "$arguments: status $status, stdout '$out', stderr '$err'"
done <<'CASES'
--foo|unknown option '--foo'
--window --window-id 0x400001|'--window' cannot be combined with '--window-id'
--max-fps=fast|invalid value 'fast' for '--max-fps'
stray|unexpected argument 'stray'
CASES
prefix=(env XSCREENSAVER_WINDOW=window)
run --root
[ "$status:$err" = "2:tyvok: invalid XSCREENSAVER_WINDOW 'window' for '--root' $hint" ] ||
    fail "malformed XSCREENSAVER_WINDOW: status $status, stderr '$err'"
prefix=()

# Accepted options go on to open the display: -display reaches it, and with no display the
# program fails there, not with a usage error.
run --window --max-fps 30 -geometry 200x100+0+0 -display :97
[ "$status" -ne 0 ] && [ "$status" -ne 2 ] && [[ $err == *:97* ]] && [[ $err != *--help* ]] ||
    fail "accepted options: status $status, stderr '$err'"

[ "$failures" -eq 0 ] || exit 1
echo "help, version, usage errors and accepted options behave"
