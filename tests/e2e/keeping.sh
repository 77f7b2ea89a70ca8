#!/usr/bin/env bash
# Keeping a figure, on the real program under Xvfb with openbox: Space, 1 and B; the history
# back and forward by Ctrl+Z, Ctrl+Shift+Z, Alt+Left and Alt+Right; F11 into the full-screen
# view and out again; Ctrl+C and "Kopiera bild" from the ID menu (the clipboard read with
# xclip); Ctrl+S through the real save dialog. The saved picture is the copied one.
#   keeping.sh <built program directory> [folder to keep the screenshots in]
set -uo pipefail

program_dir=${1:?usage: keeping.sh <program directory> [screenshot folder]}
shots=${2:-}
. "$(dirname "$0")/lib.sh"
need_x_tools openbox trayer xdotool xwininfo xprop xclip import compare identify

copy_program "$program_dir" 0
rm -f "$work/program/bookmark.dat"
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"

start_display
start_window_manager
start_tray

start_program
xdotool windowactivate --sync "$window" 2>/dev/null
read -r left top < <(window_origin)

# The figure area and the status bar's ID text, in root coordinates.
area="383x435+$((left + 246))+$((top + 82))"
shot() { import -window root -crop "$area" +repage "$1" 2>/dev/null; }
same() { ! pictures_differ "$1" "$2"; }
# Takes the figure area into $1 once it stands still and differs from $2 (if given).
settle() {
    local target=$1 other=${2:-}
    local tries=50 try
    [ -n "$other" ] && tries=20
    for ((try = 0; try < tries; try++)); do
        shot "$work/a.png" && sleep 0.15 && shot "$target" || continue
        same "$work/a.png" "$target" || continue
        [ -z "$other" ] && return 0
        same "$target" "$other" || return 0
    done
    return 1
}
key() { keys_to "$window" key "$@"; }
settle "$work/first.png" || fail "the first figure never settled"

# A random draw may repeat the part on show, which adds no entry: press again until it differs.
draws() {
    local pressed=$1 target=$2 other=$3 try
    for ((try = 0; try < 5; try++)); do
        key "$pressed"
        settle "$target" "$other" && return 0
    done
    return 1
}
draws space "$work/second.png" "$work/first.png" || fail "Space drew no new figure"
draws 1 "$work/third.png" "$work/second.png" || fail "1 drew no new head"

key ctrl+z
settle "$work/back.png" "$work/third.png" || fail "Ctrl+Z did not go back"
same "$work/back.png" "$work/second.png" || fail "Ctrl+Z did not show the figure before"
key alt+Left
settle "$work/back.png" "$work/second.png" || fail "Alt+Left did not go back"
same "$work/back.png" "$work/first.png" || fail "Alt+Left did not show the first figure"
key alt+Right
settle "$work/forward.png" "$work/first.png" || fail "Alt+Right did not go forward"
same "$work/forward.png" "$work/second.png" || fail "Alt+Right did not show the second figure"
key ctrl+shift+z
settle "$work/forward.png" "$work/second.png" || fail "Ctrl+Shift+Z did not go forward"
same "$work/forward.png" "$work/third.png" || fail "Ctrl+Shift+Z did not show the third figure"

key b
bookmarked() { grep -q '^bookmark_1=h[0-9]*c[0-9]*l[0-9]*' "$work/program/bookmark.dat" 2>/dev/null; }
wait_for 10 bookmarked || fail "B kept no bookmark"
id=$(sed -n 's/^bookmark_1=\([hcl0-9]*\).*/\1/p' "$work/program/bookmark.dat")

# The clipboard: the picture as image/png, the ID as text.
key ctrl+c
copied() { [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$id" ]; }
wait_for 10 copied || fail "Ctrl+C did not put the ID $id on the clipboard"
xclip -selection clipboard -t image/png -o >"$work/copied.png" 2>/dev/null
[ "$(identify -format '%m %wx%h' "$work/copied.png" 2>/dev/null)" = "PNG 285x405" ] ||
    fail "the clipboard holds no 285 x 405 PNG"

# The ID menu from its arrow; "Kopiera bild" is the sixth entry (separators are passed over).
echo -n nothing | xclip -selection clipboard
xdotool mousemove --window "$window" 401 66 mousedown 1 mouseup 1
popup_open() { [ -n "$(popup)" ]; }
wait_for 10 popup_open || fail "the ID menu did not open"
sleep 0.3
if [ -n "$shots" ]; then
    read -r mw mh < <(xwininfo -id "$(popup)" | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w, h}')
    import -window root -crop "$((mw + 120))x$((mh + 40))+$((left + 300))+$((top + 40))" +repage \
        "$shots/id-menu.png"
fi
xdotool key Down Down Down Down Down Return
wait_for 10 copied || fail "\"Kopiera bild\" did not copy the figure"

# Ctrl+S: the save dialog, its name field holding the ID; a name of our own.
key ctrl+s
dialog() { xdotool search --all --onlyvisible --pid "$app_pid" --name '^Spara bild$' 2>/dev/null | head -n1; }
dialog_open() { [ -n "$(dialog)" ]; }
wait_for 10 dialog_open || fail "Ctrl+S opened no \"Spara bild\" dialog"
sleep 0.5
if [ -n "$shots" ]; then import -window root "$shots/save-dialog.png"; fi
keys_to "$(dialog)" key ctrl+a
keys_to "$(dialog)" type "$work/saved.png"
keys_to "$(dialog)" key Return
wait_for 10 test -s "$work/saved.png" || fail "nothing was saved"
same "$work/saved.png" "$work/copied.png" || fail "the saved picture is not the copied one"
[ -n "$shots" ] && cp "$work/saved.png" "$shots/$id.png"

# A name typed without its ending where the picture with it exists: the dialog knows the ".png"
# it adds and asks before replacing; "Nej" leaves the picture as it was.
printf 'an older picture' >"$work/saved.png"
save_windows() { xdotool search --all --onlyvisible --pid "$app_pid" --name '^Spara bild$' 2>/dev/null; }
save_dialog_open() { [ "$(save_windows | wc -l)" = 1 ]; }
replace_asked() { [ "$(save_windows | wc -l)" = 2 ]; }
save_dialog_closed() { [ -z "$(save_windows)" ]; }
save_dialog_answered() { replace_asked || save_dialog_closed; }
old_picture_kept() { [ "$(cat "$work/saved.png")" = "an older picture" ]; }
# Typed into the focused dialog as a person types: the suggested name stands selected, so the
# typing replaces it, in the folder saved to last. Now and then the fresh dialog loses the first
# key typed; the name so cut is saved as a file of its own, and the dialog is opened again.
for ((attempt = 0; attempt < 3; attempt++)); do
    key ctrl+s
    wait_for 10 save_dialog_open || fail "Ctrl+S opened no \"Spara bild\" dialog"
    save_window=$(save_windows)
    xdotool windowactivate --sync "$save_window" 2>/dev/null
    xdotool type saved
    xdotool key Return
    wait_for 10 save_dialog_answered || fail "the save dialog neither asked nor closed"
    replace_asked && break
    old_picture_kept || fail "\"saved\" replaced saved.png without asking"
done
replace_asked || fail "\"saved\" was never typed whole into the save dialog"
question=$(save_windows | grep -vx "$save_window")
if [ -n "$shots" ]; then import -window root "$shots/replace-question.png"; fi
# Escape answers "Nej". The window goes on the key press, before its release is sent.
xdotool key --window "$question" Escape 2>/dev/null
wait_for 10 save_dialog_open || fail "\"Nej\" did not close the question"
# The first Escape may only close the name's completion list.
cancel_save() { xdotool key --window "$save_window" Escape 2>/dev/null; save_dialog_closed; }
wait_for 10 cancel_save || fail "Escape did not close the save dialog"
old_picture_kept || fail "\"Nej\" did not keep saved.png"

# F11 opens the full-screen view, F11 there closes it.
key F11
view() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | while read -r w; do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Width: 1024' && echo "$w"; done | head -n1; }
view_open() { [ -n "$(view)" ]; }
wait_for 10 view_open || fail "F11 opened no full-screen view"
keys_to "$(view)" key F11
view_closed() { [ -z "$(view)" ]; }
wait_for 10 view_closed || fail "F11 did not close the full-screen view"

xdotool mousemove --window "$window" 616 11 click 1
expect_clean_exit Avsluta
echo "PASS"
