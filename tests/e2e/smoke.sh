#!/usr/bin/env bash
# Smoke test of the real program under Xvfb with a window manager (openbox), from a copy of its
# program directory: click the splash photograph and see a figure appear; open the ID menu and
# find its separators plain lines, no "-" beside them; empty an ID box with
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

# Before the first figure the keys 1, 2 and 3 only beep: the splash and the status bar stay as
# they were. The ID menu, opened after the keys, shows that the program has taken them.
scenario="1, 2 and 3 before the first figure"
splash_and_status="383x463+$((left + 246))+$((top + 54))"
splash_shot() { import -window root -crop "$splash_and_status" +repage "$1" 2>/dev/null; }
id_menu_open() { popup >/dev/null; }
id_menu_closed() { ! id_menu_open; }
splash_unchanged() {
    splash_shot "$work/keys.after.png" &&
        [ "$(compare -metric AE "$work/keys.before.png" "$work/keys.after.png" null: 2>&1)" = 0 ]
}
# The pointer outside the window for both pictures, so that no hover artwork differs.
xdotool windowactivate --sync "$window" mousemove 0 0 2>/dev/null
splash_shot "$work/keys.before.png" || fail "no screenshot"
xdotool key 1 2 3
xdotool mousemove --window "$window" 401 66 click 1
wait_for 10 id_menu_open || fail "the ID menu did not open"
xdotool key Escape
wait_for 10 id_menu_closed || fail "the ID menu did not close"
xdotool mousemove 0 0
wait_for 10 splash_unchanged || fail "the keys changed the splash or the status bar"
scenario=

# A click on the middle of the photograph closes the splash with a new figure.
xdotool mousemove --window "$window" 433 295 click 1
wait_for 20 differs || fail "the figure area did not change after the click"

# The ID menu from its arrow, by a real click: each separator is a plain line. Around every line
# (a run of one colour over half the menu's width, at most 3 rows high; a highlighted entry is
# taller), nothing may be drawn left of the line's start: those pixels look as in the row 4 above
# the line, where only the menu's frame and background are. A caption drawn beside the line, the
# stray "-", differs there.
id_menu() { popup; }
# Prints "<separators> <pixels drawn beside them>" for a picture of a menu.
separators_and_stray_pixels() {
    convert "$1" -depth 8 txt:- | awk '
        NR > 1 { split($1, at, /[,:]/); x = at[1]; y = at[2]; c[x, y] = $3; n[$3]++
                 if (x >= w) w = x + 1; if (y >= h) h = y + 1 }
        END {
            for (k in n) if (n[k] > most) { most = n[k]; bg = k }
            for (y = 0; y < h; y++) {
                start[y] = -1; run = 0
                for (x = 0; x < w; x++) {
                    run = (x > 0 && c[x, y] == c[x - 1, y]) ? run + 1 : 1
                    if (c[x, y] != bg && 2 * run >= w) { start[y] = x - run + 1; break }
                }
            }
            for (y = 0; y < h; y++) {
                if (start[y] < 0 || (y > 0 && start[y - 1] >= 0)) continue
                rows = 0; from = w
                for (; y + rows < h && start[y + rows] >= 0; rows++)
                    if (start[y + rows] < from) from = start[y + rows]
                if (rows > 3 || y < 4 || y + rows + 3 > h) continue
                lines++
                for (yy = y - 3; yy <= y + rows + 2 && yy < h; yy++)
                    for (x = 0; x < from; x++) if (c[x, yy] != c[x, y - 4]) stray++
            }
            print lines + 0, stray + 0
        }'
}
scenario="ID menu"
xdotool mousemove --window "$window" 401 66 mousedown 1 mouseup 1
wait_for 10 id_menu_open || fail "the arrow opened no menu"
menu_shot_settled() {
    import -window "$(id_menu)" "$work/id-menu-a.png" 2>/dev/null && sleep 0.2 &&
        import -window "$(id_menu)" "$work/id-menu.png" 2>/dev/null &&
        [ "$(compare -metric AE "$work/id-menu-a.png" "$work/id-menu.png" null: 2>&1)" = 0 ]
}
wait_for 10 menu_shot_settled || fail "the menu was never painted and still"
read -r separators stray < <(separators_and_stray_pixels "$work/id-menu.png")
[ "$separators" = 4 ] || fail "found $separators separator lines instead of 4"
[ "$stray" = 0 ] || fail "$stray pixels drawn beside the separators"
xdotool key Escape
wait_for 10 id_menu_closed || fail "Escape did not close the menu"
scenario=

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
