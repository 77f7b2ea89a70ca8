#!/usr/bin/env bash
# The UI tests once more on the Wayland platform plugin, under a headless Weston of our own; then
# the real program there: it maps its 643 x 580 main window and ends with exit status 0 when told to terminate. A headless Weston has no input devices, so nothing
# can be clicked, dragged or popped up by a user there: see the README's Wayland note.
#   wayland.sh <built program directory> <test program>...
set -uo pipefail

program_dir=${1:?usage: wayland.sh <program directory> <test program>...}
shift
if ! command -v weston >/dev/null; then
    echo "SKIP: weston is not installed (scripts/bootstrap installs it)"
    exit 77
fi
if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
    echo "SKIP: the Qt Wayland platform plugin is not installed (package qt6-wayland)"
    exit 77
fi

# A runtime directory of our own (0700, as Wayland wants it): CI runs as root, possibly without
# XDG_RUNTIME_DIR, and a session's own compositor must not be touched.
. "$(dirname "$0")/lib.sh"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=wayland-vrendis

# --debug lets weston-debug print the scene graph, where the program's window is looked for.
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 \
    --idle-time=0 --no-config --debug >"$work/weston.log" 2>&1 &
service_pids+=($!)
wait_for 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
    fail "Weston did not start: $(cat "$work/weston.log")"

export QT_QPA_PLATFORM=wayland
unset DISPLAY
# Qt 6.4's Wayland text input dereferences the seat on every key event, and a headless Weston has
# none; real sessions always have one. Without an input method module the keys go straight in.
export QT_IM_MODULE=none
# Under the sanitizers: Qt's Wayland client keeps its clipboard source and the like at exit; our
# own memory is leak-checked by the offscreen run of the same tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# Nor has it a seat: no clipboard, and no window ever gets the keyboard focus. The cases that need
# either run offscreen and on X11 (e2e.keeping) only.
needs_a_seat=Keeping.SavedAndCopiedPicturesAreTheShownPartsStackedWithoutOverlap
needs_a_seat+=:Keeping/Keys.ActOrBeepAndChangeNothing/CtrlC:Keeping/Keys.ActOrBeepAndChangeNothing/F11

failed=0
for test_program in "$@"; do
    name=$(basename "$test_program")
    if (cd "$(dirname "$test_program")" &&
        "$test_program" --gtest_brief=1 --gtest_filter="-$needs_a_seat") >"$work/$name.log" 2>&1; then
        echo "PASS $name: $(grep -E '^\[  PASSED  \]' "$work/$name.log")"
    else
        echo "FAIL $name:"
        grep -vE 'qWaitForWindowActive|^\[ *(OK|RUN) ' "$work/$name.log" | tail -n 40
        failed=1
    fi
done

# The real program, from a private copy of its directory, the first figure instead of the splash.
copy_program "$program_dir" 0
(cd "$work" && exec "$work/program/vrendomaten") >"$work/app.log" 2>&1 &
app_pid=$!

# The compositor maps it as a top-level window of 643 x 580.
mapped() {
    weston-debug scene-graph 2>/dev/null >"$work/scene" &
    local reader=$!
    sleep 0.3
    kill "$reader" 2>/dev/null
    wait "$reader" 2>/dev/null
    awk -v pid="PID $app_pid," '
        index($0, pid) && /xdg_toplevel/ { mine = 1; next }
        mine && /position:/ { gsub(/[(),]/, " "); print $5 - $2 "x" $6 - $3; mine = 0 }
    ' "$work/scene" | grep -qx 643x580
}
wait_for 30 mapped || fail "no 643 x 580 window in the scene graph: $(cat "$work/scene")"

kill -TERM "$app_pid"
expect_clean_exit SIGTERM
echo "PASS vrendomaten: mapped 643 x 580, exit status 0"
[ "$failed" = 0 ] || fail "UI tests failed on Wayland"
echo "PASS"
