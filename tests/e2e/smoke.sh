#!/usr/bin/env bash
# Smoke test of the real program: start it under Xvfb from a copy of its program directory,
# click the splash photograph, see a figure appear, click "Avsluta", expect exit status 0.
#   smoke.sh <built program directory>
set -uo pipefail

program_dir=${1:?usage: smoke.sh <program directory>}
if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed (scripts/bootstrap installs it)"
    exit 77
fi
for tool in xdotool xwininfo import compare; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; run scripts/bootstrap"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

# Polls a command every 0.1 s for up to $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    for ((i = 0; i < tries; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# A private copy, so the program never writes into the build tree's profile.
cp -r "$program_dir" "$work/program"
sed -i 's/^Visa_splash=.*\r$/Visa_splash=1\r/' "$work/program/vrendisar.ini"
grep -q $'^Visa_splash=1\r$' "$work/program/vrendisar.ini" || fail "cannot set Visa_splash"

# A display of our own: Xvfb picks a free number and tells it through a file descriptor.
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
wait_for 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

# The xcb platform, whatever the test run chose. Under the sanitizers: the keyboard library
# reads strings that are not NUL-terminated by design (strict string checks flag it), and what
# the display libraries keep at exit is no concern here; the unit tests check our own memory.
export QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0:detect_leaks=0"
(cd "$work" && exec "$work/program/vrendomaten") >"$work/app.log" 2>&1 &
app_pid=$!

# The main window: the visible one of 643 x 580.
window=
find_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        if xwininfo -id "$id" | grep -q 'Width: 643' && xwininfo -id "$id" | grep -q 'Height: 580'; then
            window=$id
            return 0
        fi
    done
    return 1
}
wait_for 30 find_window || fail "no 643 x 580 window appeared; log: $(cat "$work/app.log")"
read -r left top < <(xwininfo -id "$window" |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')

# The figure area, in root coordinates: 5745 x 6525 twips at (3690, 1230) in the window.
area="383x435+$((left + 246))+$((top + 82))"
shot() { import -window root -crop "$area" +repage "$1" 2>/dev/null; }
differs() {
    shot "$work/after.png" || return 1
    local pixels
    pixels=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1) || true
    [ "${pixels%% *}" != 0 ]
}
# Wait until the splash is painted and stands still.
settled() {
    shot "$work/a.png" && sleep 0.2 && shot "$work/before.png" &&
        [ "$(compare -metric AE "$work/a.png" "$work/before.png" null: 2>&1)" = 0 ]
}
wait_for 20 settled || fail "the splash never settled"

# A click on the middle of the photograph closes the splash with a new figure.
xdotool mousemove --window "$window" 433 295 click 1
wait_for 20 differs || fail "the figure area did not change after the click"

# "Avsluta" in the caption strip ends the program.
xdotool mousemove --window "$window" 616 11 click 1
exited() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_for 20 exited || fail "the program did not end after Avsluta"
wait "$app_pid"
status=$?
app_pid=
[ "$status" = 0 ] || fail "exit status $status; log: $(cat "$work/app.log")"
echo "PASS"
