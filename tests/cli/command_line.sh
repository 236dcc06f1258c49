#!/usr/bin/env bash
# The real program's command line without a display: --help (in 80 columns) and --version print
# and exit 0, a usage error (every other text is the parser's unit test's) prints one line and
# exits 2 without trying to open the display, and the options that run the program, every one the
# panel writes among them, reach the display's opening (where, with no display, it stops).
source "$(dirname "$0")/../support/e2e.sh"
# run ARGS...: the program with no display; sets status, out and err.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u XSCREENSAVER_WINDOW "$@" >"$work/out" 2>"$work/err"
    status=$? out=$(<"$work/out") err=$(<"$work/err")
}

run "$TYVOK" --help
[ "$status" -eq 0 ] && [ -z "$err" ] || fail "--help: status $status, stderr '$err'"
for option in --window '-geometry WxH+X+Y' -iconic -direct -indirect -gldebug -sync \
    '--root, -root' '--window-id ID' '-display NAME' '--max-fps N' '--images DIR' '--text-scale X' \
    --x11 '--layer LAYER' '--output NAME' --help --version; do
    [[ $'\n'$out == *$'\n'"  $option  "* ]] || fail "--help does not list '$option'"
done
[ "$(awk 'length > 80' "$work/out")" = "" ] || fail "--help is wider than 80 columns"
run "$TYVOK" --version
[ "$status:$out:$err" = "0:tyvok $(sed -n 's/^project(tyvok VERSION \([0-9.]*\).*/\1/p' \
    "$root/CMakeLists.txt"):" ] || fail "--version: $status '$out' '$err'"

# A usage error: exit status 2, nothing on stdout, one line on stderr, and no attempt to open
# the display (freeglut would have said so).
run "$TYVOK" --foo
[ "$status:$out:$err" = "2::tyvok: unknown option '--foo' (see 'tyvok --help')" ] ||
    fail "--foo: status $status, stdout '$out', stderr '$err'"

# Every option XScreenSaver's panel can write (each arg-set and arg-unset, each slider at its low,
# default and high value: 33 in all) is accepted after the panel's --root: the program stops at
# the display.
tr '\n' ' ' <"$root/packaging/tyvok.xml" | grep -o '<[^>]*>' | sed -n \
    -e 's/.* arg-\(un\)\{0,1\}set="\([^"]*\)".*/\2/p' \
    -e 's/.* arg="\([^"%]*\)%".* low="\([^"]*\)" high="\([^"]*\)" default="\([^"]*\)".*/\1\2\n\1\4\n\1\3/p' \
    >"$work/panel"
[ "$(wc -l <"$work/panel")" -eq 33 ] || fail "the panel's options were not all read: $(cat "$work/panel")"
while read -r -a arguments; do
    run "$TYVOK" --root "${arguments[@]}"
    [ "$status:$err" = "1:tyvok: cannot open display ''" ] ||
        fail "panel option ${arguments[*]}: status $status, stderr '$err'"
done <"$work/panel"

# Accepted options go on to open the display: -display reaches it, and with no display the
# program fails there, not with a usage error.
run "$TYVOK" --window --max-fps 30 -geometry 200x100+0+0 -sync --images /none -display :97
[ "$status" -ne 0 ] && [ "$status" -ne 2 ] && [[ $err == *:97* ]] && [[ $err != *--help* ]] ||
    fail "accepted options: status $status, stderr '$err'"

# Where WAYLAND_DISPLAY names no compositor and no X display is set: one line, status 1. --x11 or
# one of GLUT's X options goes to X at once.
run env XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=nowhere "$TYVOK"
[ "$status:$err" = "1:tyvok: no Wayland compositor at 'nowhere' can show the window, and DISPLAY \
is not set" ] || fail "no compositor: status $status, stderr '$err'"
for option in --x11 -sync; do
    run env XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=nowhere "$TYVOK" "$option"
    [[ $status == 1 && $err == *"failed to open display ''" ]] || fail "$option: $status, '$err'"
done
finish
