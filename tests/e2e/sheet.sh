#!/usr/bin/env bash
# Looking rather than reading, on the real program under Xvfb with openbox and a catalogue of one
# colour per picture: "Spara bokmärken som bild..." through the real save dialog writes a contact
# sheet whose cells hold the bookmarks' figures in list order (a bookmark without its pictures,
# a black cell), and "Vrendis för ett namn..." shows the figure of the name typed.
#   sheet.sh <built program directory> [folder to keep the screenshots in]
set -uo pipefail

program_dir=${1:?usage: sheet.sh <program directory> [screenshot folder]}
shots=${2:-}
. "$(dirname "$0")/lib.sh"
need_x_tools openbox xdotool xwininfo xprop import convert

cp -r "$program_dir" "$work/program"
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"

# Three of each part, each picture one colour: heads reddish, chests greenish, legs bluish.
declare -A colour=(
    [h1]="230 40 40" [h2]="230 150 40" [h3]="230 40 160"
    [c1]="40 220 60" [c2]="150 220 40" [c3]="40 220 170"
    [l1]="50 60 230" [l2]="160 60 230" [l3]="50 170 230"
)
declare -A folder=([h]=huvuden [c]=broest [l]=ben) size=([h]=285x87 [c]=285x123 [l]=285x195)
rm -f "$work/program/data/"{huvuden,broest,ben}/*.jpg
for part in "${!colour[@]}"; do
    kind=${part:0:1}
    read -r r g b <<<"${colour[$part]}"
    convert -size "${size[$kind]}" "xc:rgb($r,$g,$b)" -quality 95 \
        "$work/program/data/${folder[$kind]}/$part.jpg" || fail "cannot draw $part.jpg"
done
sed -i -e 's/^Antal_\(Huvuden\|Broest\|Ben\)=.*\r$/Antal_\1=3\r/' -e 's/^Antal_vrendisar=.*\r$/Antal_vrendisar=3\r/' \
    -e 's/^Visa_splash=.*\r$/Visa_splash=0\r/' "$work/program/vrendisar.ini"
# List order is number order; legs 9 are not there.
bookmarks=(h2c3l1 h1c1l1 h3c2l2 h1c3l9 h3c3l3 h2c1l2 h1c2l3 h3c1l1)
{
    printf '[Bookmarks]\r\nCounter=%d\r\n' "${#bookmarks[@]}"
    for i in "${!bookmarks[@]}"; do printf 'bookmark_%d=%s\r\n' $((i + 1)) "${bookmarks[i]}"; done
} >"$work/program/bookmark.dat"

start_display
start_window_manager
start_program
xdotool windowactivate --sync "$window" 2>/dev/null
read -r left top < <(window_origin)

# Prints "r g b" of the pixels at "x,y" (one pair per argument) of a picture.
pixels() {
    local picture=$1
    shift
    local at
    for at in "$@"; do
        convert "$picture" -crop "1x1+${at%,*}+${at#*,}" -depth 8 txt:- |
            sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
    done
}
# Whether "r g b" lies near the colour $2 ("r g b").
near() {
    local a b
    read -r -a a <<<"$1"
    read -r -a b <<<"$2"
    local d=$(((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2 + (a[2] - b[2]) ** 2))
    ((d < 300))
}
# The ID menu from its arrow, and one of its last entries by Up from the bottom.
popup() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | while read -r w; do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && echo "$w"; done | head -n1; }
from_id_menu() {
    xdotool mousemove --window "$window" 401 66 mousedown 1 mouseup 1
    menu_open() { [ -n "$(popup)" ]; }
    wait_for 10 menu_open || fail "the ID menu did not open"
    sleep 0.3
    xdotool key "$@" Return
}
named_window() { xdotool search --all --onlyvisible --pid "$app_pid" --name "$1" 2>/dev/null | head -n1; }
shown() { [ -n "$(named_window "$1")" ]; }

scenario="contact sheet"
from_id_menu Up
wait_for 30 shown '^Spara bokmärken som bild$' ||
    fail "no \"Spara bokmärken som bild\" dialog opened"
dialog=$(named_window '^Spara bokmärken som bild$')
xdotool windowactivate --sync "$dialog" 2>/dev/null
sleep 0.5
keys_to "$dialog" key ctrl+a
keys_to "$dialog" type "$work/ark"
keys_to "$dialog" key Return
wait_for 30 shown '^Vrendomaten - Spara bokmärken$' ||
    fail "no message after saving; log: $(cat "$work/app.log")"
[ -n "$shots" ] && import -window root "$shots/sheet-saved.png"
# Return on the box once it has the focus; a key that came too early is pressed again.
close_box() {
    local box
    box=$(named_window '^Vrendomaten - Spara bokmärken$')
    [ -z "$box" ] && return 0
    xdotool windowactivate --sync "$box" 2>/dev/null
    xdotool key Return
    sleep 0.3
    ! shown '^Vrendomaten - Spara bokmärken$'
}
wait_for 10 close_box || fail "Return did not close the message"
[ -s "$work/ark.png" ] || fail "the sheet was not saved as ark.png"
[ -n "$shots" ] && cp "$work/ark.png" "$shots/sheet.png"

# Cells of 143 x 217 every 151 and 225 pixels from (8, 8), six to a row; the parts' bands of the
# half-size figure have their middles 22, 74 and 154 pixels down.
for i in "${!bookmarks[@]}"; do
    id=${bookmarks[i]}
    x=$((8 + i % 6 * 151 + 71)) y=$((8 + i / 6 * 225))
    parts=("h${id:1:1}" "c${id:3:1}" "l${id:5:1}")
    mapfile -t found < <(pixels "$work/ark.png" "$x,$((y + 22))" "$x,$((y + 74))" "$x,$((y + 154))")
    for p in 0 1 2; do
        expected=${colour[${parts[p]}]:-}
        [ -z "${colour[${parts[2]}]:-}" ] && expected="0 0 0"
        near "${found[p]}" "$expected" ||
            fail "cell $((i + 1)) ($id) shows ${found[p]} where ${parts[p]} is $expected"
    done
done

# " Anna " with three of each part: the SHA-256 of "anna" begins 55579b557896d0ce
# 1764c47fed644f9b 35f58bad620674af, which mod 3 are 1, 0 and 0: h2c1l1.
scenario="figure for a name"
# Whether the window shows the parts $1, $2 and $3: the middles of the three figure pictures.
shows() {
    import -window root "$work/window.png" 2>/dev/null || return 1
    mapfile -t found < <(pixels "$work/window.png" "$((left + 433)),$((top + 139))" \
        "$((left + 433)),$((top + 243))" "$((left + 433)),$((top + 401))")
    near "${found[0]}" "${colour[$1]}" && near "${found[1]}" "${colour[$2]}" &&
        near "${found[2]}" "${colour[$3]}"
}
# Another figure first, so that the name has something to change.
for ((try = 0; try < 10; try++)); do
    shows h2 c1 l1 || break
    keys_to "$window" key space
    sleep 0.3
done
from_id_menu Up Up
wait_for 10 shown '^Vrendomaten - Vrendis för ett namn$' || fail "no name dialog opened"
dialog=$(named_window '^Vrendomaten - Vrendis för ett namn$')
xdotool windowactivate --sync "$dialog" 2>/dev/null
keys_to "$dialog" type " Anna "
[ -n "$shots" ] && sleep 0.3 && import -window root "$shots/name-dialog.png"
keys_to "$dialog" key Return
name_dialog_gone() { ! shown '^Vrendomaten - Vrendis för ett namn$'; }
wait_for 10 name_dialog_gone || fail "\"Visa\" did not close the name dialog"
wait_for 10 shows h2 c1 l1 || fail "the window does not show h2c1l1 but ${found[*]}"
[ -n "$shots" ] && import -window root "$shots/name-shown.png"

scenario=
xdotool mousemove --window "$window" 616 11 click 1
expect_clean_exit Avsluta
echo "PASS"
