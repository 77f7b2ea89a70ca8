# What every end-to-end script shares, sourced at its top:
#   . "$(dirname "$0")/lib.sh"
# A scratch folder $work, removed at exit together with every process the script started
# ($app_pid first, then the display and the window manager, last started first); a script with
# more to undo defines extra_cleanup. fail, wait_for, a copy of the program, comparing pictures,
# the X display, its window manager and tray, the main window, pop-ups and keys.

# Skips the test (status 77) without Xvfb; fails when another tool it needs is missing.
need_x_tools() {
    if ! command -v Xvfb >/dev/null; then
        echo "SKIP: Xvfb is not installed (scripts/bootstrap installs it)"
        exit 77
    fi
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; run scripts/bootstrap"; exit 1; }
    done
}

work=$(mktemp -d)
app_pid=
service_pids=()
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    local i
    for ((i = ${#service_pids[@]} - 1; i >= 0; i--)); do kill "${service_pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
    if declare -F extra_cleanup >/dev/null; then extra_cleanup; fi
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# $scenario, when the script sets one, names the part that failed.
fail() {
    echo "FAIL${scenario:+ ($scenario)}: $*"
    exit 1
}

# Polls a command every 0.1 s for up to $1 seconds. The command is run anew each time: a test
# of something on screen is a function, never a "$(...)" that the shell expands once.
wait_for() {
    local tries=$(($1 * 10)) i
    shift
    for ((i = 0; i < tries; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# A copy of the built program directory $1 in $work/program, so that no run writes into the build
# tree, its profile's Visa_splash set to $2 (1 shows the splash photograph at start).
copy_program() {
    cp -r "$1" "$work/program" || fail "cannot copy $1"
    sed -i "s/^Visa_splash=.*\r\$/Visa_splash=$2\r/" "$work/program/vrendisar.ini" &&
        grep -q "^Visa_splash=$2"$'\r$' "$work/program/vrendisar.ini" ||
        fail "cannot set Visa_splash=$2 in $work/program/vrendisar.ini"
}

# Whether two pictures differ (status 0) or are the same (1). A pair that cannot be compared, a
# file missing or of another size, fails the test: it is neither.
pictures_differ() {
    local sizes first second
    sizes=$(identify -format '%wx%h ' "$1" "$2" 2>/dev/null) || fail "cannot read $1 or $2"
    read -r first second <<<"$sizes"
    [ "$first" = "$second" ] || fail "$1 is $first, $2 is $second"
    compare -metric AE "$1" "$2" null: 2>/dev/null
    case $? in
        0) return 1 ;;
        1) return 0 ;;
        *) fail "cannot compare $1 with $2" ;;
    esac
}

# A display of our own, 1024 x 768: Xvfb picks a free number and tells it through a file
# descriptor. Extra arguments go to Xvfb.
start_display() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" >"$work/xvfb.log" 2>&1 &
    service_pids+=($!)
    exec 3>&-
    wait_for 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# A window manager, as on a desktop: it iconifies, focuses and keeps the client list.
start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    service_pids+=($!)
    wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    wait_for 20 wm_running || fail "openbox did not start: $(cat "$work/openbox.log")"
}

# A notification area, as on a desktop panel: trayer at the bottom right of the screen. Its panel
# may stay unmapped while it holds no icon; an icon docks whenever the tray is ready.
start_tray() {
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
        --transparent false >"$work/trayer.log" 2>&1 &
    local tray=$!
    service_pids+=($tray)
    wait_for 20 tray_panel >/dev/null ||
        fail "trayer did not start ($(kill -0 "$tray" 2>/dev/null && echo running || echo ended)): $(
            cat "$work/trayer.log")"
}

# trayer's panel, the window that docked icons are placed in.
tray_panel() { xdotool search --classname '^panel$' 2>/dev/null | grep -m1 .; }

# The program's icon docked in the tray, as a window id; with wait_for.
tray_icon() {
    local panel
    panel=$(tray_panel) || return 1
    xwininfo -tree -id "$panel" 2>/dev/null |
        awk '/"vrendomaten"/ { print $1; found = 1; exit } END { exit !found }'
}

# The program's main window, the visible one of 643 x 580, into $window; with wait_for.
window=
find_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Width: 643' &&
            xwininfo -id "$id" 2>/dev/null | grep -q 'Height: 580'; then
            window=$id
            return 0
        fi
    done
    return 1
}

# Starts the program copied to $work/program on the X display, with $work as its working folder
# and its output in $work/app.log, and waits for its main window ($window). The xcb platform,
# whatever the test run chose. Under the sanitizers: the keyboard library reads strings that are
# not NUL-terminated by design (strict string checks flag it), and what the display libraries
# keep at exit is no concern here; the unit tests check our own memory.
start_program() {
    (cd "$work" && QT_QPA_PLATFORM=xcb \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0:detect_leaks=0" \
        exec "$work/program/vrendomaten") >"$work/app.log" 2>&1 &
    app_pid=$!
    wait_for 30 find_window || fail "no 643 x 580 window appeared; log: $(cat "$work/app.log")"
}

# Waits for the program to end after what $1 names (a click on "Avsluta", say) and fails unless
# it ended with status 0.
expect_clean_exit() {
    exited() { ! kill -0 "$app_pid" 2>/dev/null; }
    wait_for 20 exited || fail "the program did not end after $1"
    wait "$app_pid"
    local status=$?
    app_pid=
    [ "$status" = 0 ] || fail "exit status $status; log: $(cat "$work/app.log")"
}

# The program's open pop-up (a menu: a top-level window the window manager leaves alone, unlike
# the icon docked in the tray) at least $1 pixels high (a menu, not a tool tip), as a window id;
# with wait_for.
popup() {
    local id height
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        xwininfo -id "$id" -all 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        xwininfo -id "$id" -tree 2>/dev/null | grep -q 'Parent window id: .*(the root window)' ||
            continue
        height=$(xwininfo -id "$id" 2>/dev/null | awk '/Height:/ {print $NF}')
        [ "${height:-0}" -ge "${1:-1}" ] && echo "$id" && return 0
    done
    return 1
}

# Keys typed as a keyboard types them, once window $1 has the keyboard focus. Told a window
# without the focus, xdotool sends each press and release to it as a synthetic event instead; a
# key that moves the focus (F11 opening the full-screen view) then has its press typed and its
# release sent, and the display, taking the key for held down, repeats it.
keys_to() {
    local target=$1
    shift
    focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$target" ]; }
    wait_for 10 focused || fail "window $target never got the keyboard focus"
    xdotool "$@"
}

# The root coordinates of $window's top left corner, as "left top".
window_origin() {
    xwininfo -id "$window" |
        awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}
