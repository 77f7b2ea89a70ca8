#!/usr/bin/env bash
# Smoke test of the real program under Xvfb with a window manager (openbox), from a copy of its
# program directory: click the splash photograph and see a figure appear; empty an ID box with
# the real Delete key and get the "Fyll i ett ID" message; right-press the bookmark list's empty
# space, take what the menu offers and find every bookmark kept; minimise and count one taskbar
# entry, the loader's; restore through the loader; click "Avsluta" and expect exit status 0.
#   smoke.sh <built program directory>
set -uo pipefail

program_dir=${1:?usage: smoke.sh <program directory>}
. "$(dirname "$0")/lib.sh"
need_x_tools openbox trayer xdotool xwininfo xprop import compare identify

# A private copy, so the program never writes into the build tree's profile.
copy_program "$program_dir" 1
printf '[Bookmarks]\r\nCounter=2\r\nbookmark_1=h1c1l1\r\nbookmark_2=h2c2l2\r\n' \
    >"$work/program/bookmark.dat" || fail "cannot write bookmark.dat"
cp "$work/program/bookmark.dat" "$work/bookmarks.before" || fail "cannot copy bookmark.dat"

start_display
start_window_manager
start_tray

start_program
read -r left top < <(window_origin)

# The figure area, in root coordinates: 5745 x 6525 twips at (3690, 1230) in the window.
area="383x435+$((left + 246))+$((top + 82))"
shot() { import -window root -crop "$area" +repage "$1" 2>/dev/null; }
differs() { shot "$work/after.png" && pictures_differ "$work/before.png" "$work/after.png"; }
# Wait until the splash is painted and stands still.
settled() {
    shot "$work/a.png" && sleep 0.2 && shot "$work/before.png" &&
        ! pictures_differ "$work/a.png" "$work/before.png"
}
wait_for 20 settled || fail "the splash never settled"

# A click on the middle of the photograph closes the splash with a new figure.
xdotool mousemove --window "$window" 433 295 click 1
wait_for 20 differs || fail "the figure area did not change after the click"

click_at() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; }
titled() { xdotool search --all --onlyvisible --pid "$app_pid" --name "^$1\$" 2>/dev/null | head -n1; }

# The ID panel from the status bar; the real Delete key empties the head box ("6"), so the show
# button asks for the missing number. A Delete taken for a typed character would leave the 6.
click_at 300 60
sleep 0.3
click_at 343 102
sleep 0.3
xdotool key End BackSpace
xdotool type 6
xdotool key Home Delete
sleep 0.3
click_at 323 153
message() { [ -n "$(titled 'Vrendomaten - Fyll i ett ID')" ]; }
wait_for 10 message || fail "Delete did not empty the ID box: no \"Fyll i ett ID\" message"
xdotool windowactivate --sync "$(titled 'Vrendomaten - Fyll i ett ID')" key Return
no_message() { ! message; }
wait_for 10 no_message || fail "the message box did not close"

# The ID panel closes from its own background and gives back the bookmark tab; the bookmark
# panel opens from the tab: select the first row, right-press the empty part of the list and
# take whatever the menu offers. Every bookmark stays in the file.
click_at 445 122
sleep 0.3
click_at 252 300
sleep 0.3
click_at 300 88
sleep 0.3
click_at 300 400 3
wait_for 10 popup >/dev/null || fail "a right press on the bookmark list opened no menu"
sleep 0.3
click_at 320 410
xdotool key Escape
no_popup() { ! popup >/dev/null; }
wait_for 10 no_popup || fail "the bookmark menu did not close"
cmp -s "$work/bookmarks.before" "$work/program/bookmark.dat" ||
    fail "the bookmark menu over empty space changed the file: $(cat -A "$work/program/bookmark.dat")"

# Taskbar entries: the managed windows a taskbar shows (no skip-taskbar state, normal type).
taskbar_entries() {
    local id ids
    ids=$(xprop -root _NET_CLIENT_LIST | sed -n 's/.*# //p' | tr -d ',')
    for id in $ids; do
        xprop -id "$id" _NET_WM_STATE | grep -q SKIP_TASKBAR && continue
        xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -qv 'NORMAL\|not found' && continue
        xprop -id "$id" _NET_WM_NAME | sed -n 's/.* = "\(.*\)"/\1/p'
    done
}
# The minimise button: the loader alone stands in the taskbar, captioned "Vrendomaten v6.9".
click_at 619 558
loader_only() { [ "$(taskbar_entries)" = "Vrendomaten v6.9" ]; }
wait_for 10 loader_only || fail "minimised, the taskbar shows: $(taskbar_entries | tr '\n' '|')"
loader=$(xdotool search --all --pid "$app_pid" --name '^Vrendomaten v6.9$' | head -n1)
[ -n "$loader" ] || fail "no loader window"
xprop -id "$loader" WM_STATE | grep -q Iconic || fail "the loader is not minimised"

# Activating the loader brings the window back and closes the loader.
xdotool windowactivate "$loader" 2>/dev/null
restored() { xwininfo -id "$window" | grep -q IsViewable && [ -z "$(titled 'Vrendomaten v6.9')" ]; }
wait_for 10 restored || fail "activating the loader did not restore the window"

# "Avsluta" in the caption strip ends the program.
xdotool mousemove --window "$window" 616 11 click 1
expect_clean_exit Avsluta
echo "PASS"
