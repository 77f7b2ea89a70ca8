#!/usr/bin/env bash
# The bookmark previews of the real program under Xvfb with openbox, moved over by the real
# pointer: resting on a row shows a small window of the program, off the row and on the screen,
# whose pixels are that bookmark's figure; another row shows its own; a row whose head is missing
# shows none; leaving the list takes the preview away. The catalogue is made for the test: each
# part picture one solid colour of its own, filling its band, so the colours tell which pictures
# the preview shows.
#   preview.sh <built program directory> [folder to keep a screenshot in]
set -uo pipefail

program_dir=${1:?usage: preview.sh <program directory> [screenshot folder]}
shots=${2:-}
. "$(dirname "$0")/lib.sh"
need_x_tools openbox xdotool xwininfo xprop import convert

cp -r "$program_dir" "$work/program"
# Part n of each kind, as "red green blue"; nine colours far apart.
colour() {
    case $1 in
        h1) echo 255 0 0 ;;    h2) echo 255 255 0 ;;   h3) echo 255 0 255 ;;
        c1) echo 0 255 0 ;;    c2) echo 0 255 255 ;;   c3) echo 255 255 255 ;;
        l1) echo 0 0 255 ;;    l2) echo 128 128 128 ;; l3) echo 255 128 0 ;;
    esac
}
for kind in h:87 c:123 l:195; do
    letter=${kind%:*}
    mkdir -p "$work/program/data/test/$letter"
    for n in 1 2 3; do
        read -r r g b < <(colour "$letter$n")
        convert -size "285x${kind#*:}" "xc:rgb($r,$g,$b)" -quality 95 \
            "$work/program/data/test/$letter/$letter$n.jpg" || fail "convert made no picture"
    done
done
printf '[Vrendomaten]\r\nAntal_Huvuden=3\r\nAntal_Broest=3\r\nAntal_Ben=3\r\n%s\r\n%s\r\n%s\r\nVisa_splash=0\r\n' \
    'Huvuden=\data\test\h\' 'Broest=\data\test\c\' 'Ben=\data\test\l\' >"$work/program/vrendisar.ini"
printf '[Bookmarks]\r\nCounter=3\r\nbookmark_1=h1c2l3\r\nbookmark_2=h3c1l2\r\nbookmark_3=h9c3l1\r\n' \
    >"$work/program/bookmark.dat"
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"

start_display
start_window_manager
start_program
xdotool windowactivate --sync "$window" 2>/dev/null
read -r left top < <(window_origin)

# The tab opens the panel; its list stands at (244, 80) in the window, 163 wide, rows 11 high.
xdotool mousemove --window "$window" 252 300 click 1
row_y() { echo $((80 + 6 + 11 * $1)); }
over_row() { xdotool mousemove --window "$window" 300 "$(row_y "$1")"; }

# The preview: the program's visible window of 143 x 203, into $preview with its root position.
preview=
find_preview() {
    local id
    preview=
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Width: 143' &&
            xwininfo -id "$id" 2>/dev/null | grep -q 'Height: 203'; then
            preview=$id
            read -r px py < <(xwininfo -id "$id" |
                awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
            return 0
        fi
    done
    return 1
}
no_preview() { ! find_preview; }

# Whether the preview shows the figure of an ID: each band's colour at its middle, left, centre
# and right, within what JPEG and smooth scaling leave of it.
shows() {
    local id=$1 part x y r g b want
    find_preview || return 1
    import -window root -crop "143x203+$px+$py" +repage "$work/preview.png" 2>/dev/null || return 1
    for part in "h${id:1:1}:20" "c${id:3:1}:75" "l${id:5:1}:150"; do
        y=${part#*:}
        want=$(colour "${part%:*}")
        for x in 2 71 140; do
            read -r r g b < <(convert "$work/preview.png" -crop "1x1+$x+$y" -depth 8 txt:- |
                sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p')
            [ -n "$r" ] || return 1
            # shellcheck disable=SC2086
            set -- $want
            (((r - $1) ** 2 < 400 && (g - $2) ** 2 < 400 && (b - $3) ** 2 < 400)) || return 1
        done
    done
}

scenario="resting on h1c2l3"
over_row 0
wait_for 10 shows h1c2l3 || fail "no preview of h1c2l3 (window: ${preview:-none})"
row_top=$((top + 80 + 11 * 0)) row_bottom=$((top + 80 + 11 * 1 - 1))
((py > row_bottom || py + 202 < row_top)) || fail "the preview at y $py covers the row"
((px >= 0 && py >= 0 && px + 143 <= 1024 && py + 203 <= 768)) || fail "the preview at $px,$py is off the screen"
xprop -id "$preview" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP ||
    fail "the preview is no tool tip: $(xprop -id "$preview" _NET_WM_WINDOW_TYPE)"
if [ -n "$shots" ]; then
    import -window root -crop "$((px - left + 163))x$((py - top + 223))+$left+$top" +repage \
        "$shots/preview.png"
fi

scenario="another row"
over_row 1
wait_for 10 shows h3c1l2 || fail "no preview of h3c1l2"

scenario="a row without its head"
over_row 2
wait_for 10 no_preview || fail "the preview of h3c1l2 stayed on another row"
wait_for 3 find_preview && fail "a preview for h9c3l1, whose head is missing"

scenario="leaving the list"
over_row 0
wait_for 10 shows h1c2l3 || fail "no preview of h1c2l3 again"
xdotool mousemove --window "$window" 500 300
wait_for 10 no_preview || fail "the preview stayed after the pointer left the list"
scenario=

xdotool mousemove --window "$window" 616 11 click 1
expect_clean_exit Avsluta
echo "PASS"
