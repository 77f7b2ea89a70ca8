#!/usr/bin/env bash
# The real program under Xvfb with openbox, driven by the keyboard alone: no pointer event at
# all. Tab to "Lås huvud" and Space, Shift+Tab back to "Generera en ny vrendis" and Return: the
# head stays and the chest and legs change (each ID read from the bookmark B keeps). Tab to
# "Helskärm", Return, and Escape back; Tab to "Avsluta", Return, and the program ends with
# status 0.
#   keyboard.sh <built program directory> [folder to keep the screenshots in]
set -uo pipefail

program_dir=${1:?usage: keyboard.sh <program directory> [screenshot folder]}
shots=${2:-}
. "$(dirname "$0")/lib.sh"
need_x_tools openbox xdotool xwininfo xprop import compare identify

copy_program "$program_dir" 0
rm -f "$work/program/bookmark.dat"

start_display
start_window_manager

start_program
# Activation asks the window manager for the focus; it moves no pointer.
xdotool windowactivate --sync "$window" 2>/dev/null
key() { keys_to "$window" key "$@"; }

# B keeps the ID on show as bookmark number $kept, and $shown holds it.
kept=0
shown=
keep_id() {
    key b
    kept=$((kept + 1))
    bookmarked() { grep -q "^bookmark_$kept=h[0-9]*c[0-9]*l[0-9]*" "$work/program/bookmark.dat" 2>/dev/null; }
    wait_for 10 bookmarked || fail "B kept no bookmark $kept"
    shown=$(sed -n "s/^bookmark_$kept=\([hcl0-9]*\).*/\1/p" "$work/program/bookmark.dat")
}
part() { sed -n "s/.*\($1[0-9]*\).*/\1/p" <<<"$2"; }

keep_id
first=$shown

# The lock strip, where the focus mark and the tick appear.
read -r left top < <(window_origin)
locks="380x40+$((left + 235))+$((top + 505))"
import -window root -crop "$locks" +repage "$work/locks.before.png" 2>/dev/null

# From Command4: Om Programmet, Avsluta, the ID menu arrow, Generera en ny vrendis, the bookmark
# tab, Byt huvud, Byt bröst, Byt ben, Lås huvud.
key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab
marked() {
    import -window root -crop "$locks" +repage "$work/locks.marked.png" 2>/dev/null &&
        pictures_differ "$work/locks.before.png" "$work/locks.marked.png"
}
wait_for 10 marked || fail "no focus mark showed on \"Lås huvud\""
[ -n "$shots" ] && import -window root -crop "643x580+$left+$top" +repage "$shots/focus-mark.png"
key space
# Back past the three parts and the bookmark tab to the new-figure bar.
key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab

# A draw may repeat a part by chance: Return again until both have changed. The head stays in
# every draw, three at least, which an unlocked head would hardly do.
for ((round = 1; round <= 6; round++)); do
    key Return
    keep_id
    [ "$(part h "$shown")" = "$(part h "$first")" ] ||
        fail "the head changed: $first, then $shown in draw $round"
    if ((round >= 3)) && [ "$(part c "$shown")" != "$(part c "$first")" ] &&
        [ "$(part l "$shown")" != "$(part l "$first")" ]; then
        break
    fi
done
((round <= 6)) || fail "the chest and legs never both changed from $first (last $shown)"

# Helskärm: Tab on from the new-figure bar past the tab, the parts and the locks to the left
# panel (Skapa ny vrendis, Starta bildspel, Helskärm).
view() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | while read -r w; do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Width: 1024' && echo "$w"; done | head -n1; }
view_open() { [ -n "$(view)" ]; }
view_closed() { [ -z "$(view)" ]; }
key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
key Return
wait_for 10 view_open || fail "Return on \"Helskärm\" opened no full-screen view"
keys_to "$(view)" key Escape
wait_for 10 view_closed || fail "Escape did not close the full-screen view"

# Back in the main window the focus is where it was: on to Minimera, Text1, Slider1, Command4,
# then Om Programmet and Avsluta.
key --delay 50 Tab Tab Tab Tab Tab Tab
key Return
expect_clean_exit "Return on \"Avsluta\""
echo "PASS"
