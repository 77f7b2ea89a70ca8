#!/usr/bin/env bash
# The program on a desktop with a window manager (openbox) and a notification area (trayer), all
# under Xvfb. A tray that starts after the program still takes its icon in. Then every way out,
# with the window shown and minimised, ends the program with exit status 0: the tray menu's
# "Avsluta Vrendomaten" through a right click on the icon, SIGTERM, SIGINT, and a close by the
# window manager (a taskbar's "Close") of the main window or, minimised, of the loader.
#   desktop.sh <built program directory>
set -uo pipefail

program_dir=${1:?usage: desktop.sh <program directory>}
. "$(dirname "$0")/lib.sh"
need_x_tools openbox trayer xdotool xwininfo xprop wmctrl
copy_program "$program_dir" 0

start_display
start_window_manager

# The loader, the window that stands in the taskbar while the main window is minimised.
loader() { xdotool search --all --pid "$app_pid" --name '^Vrendomaten v6.9$' 2>/dev/null | grep -m1 .; }
minimise() {
    xdotool mousemove --window "$window" 619 558 click 1
    iconic() { xprop -id "$(loader)" WM_STATE 2>/dev/null | grep -q Iconic; }
    wait_for 10 iconic || fail "no minimised loader after the minimise button"
}

# A right click on the tray icon opens the tray menu; "Avsluta Vrendomaten" is its last entry.
quit_from_tray() {
    local icon menu height
    icon=$(tray_icon) || fail "no icon in the tray"
    xdotool mousemove --window "$icon" 11 11 click 3
    tray_menu() { popup 100; }  # seven rows; a tool tip is far lower
    wait_for 10 tray_menu >/dev/null || fail "a right click on the tray icon opened no menu"
    menu=$(tray_menu)
    height=$(xwininfo -id "$menu" | awk '/Height:/ {print $NF}')
    xdotool mousemove --window "$menu" 60 $((height - 11)) sleep 0.2 click 1
}

take() {
    case $1 in
        tray) quit_from_tray ;;
        SIGTERM | SIGINT) kill -s "$1" "$app_pid" ;;
        close) wmctrl -i -c "$(if [ "$2" = minimised ]; then loader; else echo "$window"; fi)" ;;
    esac
}

# The tray starts after the program: the icon docks all the same.
scenario="late tray"
start_program
start_tray
wait_for 10 tray_icon >/dev/null || fail "the icon did not dock in a tray that started later"
minimise
take tray minimised
expect_clean_exit "\"Avsluta Vrendomaten\" in the tray menu, minimised"

for way in tray SIGTERM SIGINT close; do
    for state in shown minimised; do
        scenario="$way, $state"
        start_program
        wait_for 10 tray_icon >/dev/null || fail "the icon did not dock"
        [ "$state" = minimised ] && minimise
        take "$way" "$state"
        expect_clean_exit "$way"
    done
done
echo "PASS"
