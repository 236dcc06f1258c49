#!/usr/bin/env bash
# Frame pacing at --max-fps 30, in both hosts on a 320 x 240 screen (frames are cheap there even
# under the sanitizers): no whole second of the program's own clock holds more than 30 frames,
# and the frames that came on time (at most one and a half periods after the one before) come at
# 25 a second or more.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay 320x240

# pace NAME COLUMN ARGS...: runs the program until its clock (the swap log's COLUMN) passes 6 s.
pace() {
    local name=$1 column=$2 verdict
    shift 2
    startTyvok --max-fps 30 "$@"
    within=90 waitFor "6 s on the $name's clock" eval '[ "$(programMs '"$column"')" -ge 6000 ]'
    stopTyvok
    verdict=$(awk -v c="$column" '$c >= 0 {
            second = int($c / 1000); ++perSecond[second]; times[second] = times[second] " " $c
            if (second > lastSecond) lastSecond = second
            if (seen && $c - last <= 50) { onTime++; span += $c - last }
            seen = 1; last = $c
        } END {
            for (s = 0; s <= lastSecond; ++s) counts = counts " " perSecond[s] + 0
            rate = span > 0 ? onTime * 1000 / span : 0
            printf "frames in each second:%s; %d on time at %.1f a second\n", counts, onTime, rate
            for (s = 0; s <= lastSecond; ++s)
                if (perSecond[s] > 30) print "FAIL: more than 30 frames at (ms)" times[s]
            if (onTime < 60 || rate < 25) print "FAIL: under 60 on time, or under 25 a second"
        }' "$swapLog")
    echo "$name: $verdict"
    [[ $verdict != *FAIL* ]] || fail "$name: pacing at 30 frames a second"
}
pace "GLUT host" 3
pace "X-window host" 4 --root
finish
