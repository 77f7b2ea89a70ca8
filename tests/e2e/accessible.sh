#!/usr/bin/env bash
# The real program as a screen reader sees it, under Xvfb with a session bus of its own and the
# accessibility bus it starts: the program is found on the bus, "Generera en ny vrendis" is
# pressed through AT-SPI with no pointer or key, the figure on screen changes and the image that
# stands for it is renamed after the new ID, with a name-change event.
#   accessible.sh <built program directory>
set -uo pipefail

program_dir=${1:?usage: accessible.sh <program directory>}

# Debian's own Python, where pyatspi is installed.
python=/usr/bin/python3
skip() {
    echo "SKIP: $1 (scripts/bootstrap installs it)"
    exit 77
}
command -v dbus-daemon >/dev/null || skip "dbus-daemon is missing"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is missing"
"$python" -c 'import pyatspi' 2>/dev/null || skip "pyatspi is missing"

. "$(dirname "$0")/lib.sh"
need_x_tools xdotool xwininfo import compare identify
script="$(dirname "$0")/accessible.py"

# A session bus of our own; the accessibility bus is started on it when first asked for. It is
# ended last, after what it started, newest first, so that each is reaped by its own parent.
bus_pid=
start_session_bus() {
    dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 </dev/null &
    bus_pid=$!
    disown "$bus_pid"
    wait_for 10 test -s "$work/bus" || fail "dbus-daemon did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
}
on_our_bus() {
    local environ
    for environ in /proc/[0-9]*/environ; do
        grep -qzxF "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS" "$environ" 2>/dev/null &&
            environ=${environ#/proc/} && echo "${environ%/environ}"
    done
}
gone() { [ ! -e "/proc/$1" ]; }
extra_cleanup() {
    [ -n "$bus_pid" ] || return
    local pid
    for pid in $(on_our_bus | sort -rn) "$bus_pid"; do
        kill "$pid" 2>/dev/null
        wait_for 5 gone "$pid"
    done
}

copy_program "$program_dir" 0
start_display
start_session_bus

# The program asks for the accessibility bus at start; Qt leaves its tree alone otherwise.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
read -r left top < <(window_origin)
# The pointer off the window, so that no hover artwork changes the pictures.
xdotool mousemove 0 0

area="383x435+$((left + 246))+$((top + 82))"
shot() { import -window root -crop "$area" +repage "$1" 2>/dev/null; }
differs() { shot "$work/after.png" && pictures_differ "$work/before.png" "$work/after.png"; }
settled() {
    shot "$work/a.png" && sleep 0.2 && shot "$work/before.png" &&
        ! pictures_differ "$work/a.png" "$work/before.png"
}

scenario="found on the bus"
first=$("$python" "$script" find) || fail "$first"
[[ $first == "Vrendis h"*c*l* ]] || fail "the first figure is named \"$first\""

scenario="Press on \"Generera en ny vrendis\""
wait_for 20 settled || fail "the figure never settled"
renamed=$("$python" "$script" press) || fail "$renamed"
wait_for 10 differs || fail "the figure on screen did not change ($first, then $renamed)"
echo "PASS: $first, pressed, $renamed"
