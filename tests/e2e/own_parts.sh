#!/usr/bin/env bash
# Own parts from the real program:
#   installed  the installed, read-only program run by a user who cannot write to it (nobody,
#              when run as root): --import makes the user's own catalogue, prints the new part,
#              --render draws it, --check finds nothing wrong, an old figure's picture is the
#              same as before, and the installed tree is unchanged;
#   together   imports run at the same moment each take a number of their own;
#   killed     imports killed at random moments, in place and into the user's own catalogue,
#              never leave a count that names a missing picture;
#   window     under Xvfb with openbox: Ctrl+O, the path typed into the file dialog, Return,
#              Return in "Egen del", and the new head on screen.
#
#   own_parts.sh <build directory>
set -uo pipefail

build=${1:?usage: own_parts.sh <build directory>}
build=$(cd "$build" && pwd)
. "$(dirname "$0")/lib.sh"
command -v convert >/dev/null || { echo "FAIL: convert is missing; run scripts/bootstrap"; exit 1; }
chmod 755 "$work"

# A red disc on white: the disc becomes the part.
mkdir -p "$work/bilder"
convert -size 400x300 xc:white -fill red -draw "circle 200 150 200 70" "$work/bilder/foto.png"
photo="$work/bilder/foto.png"

# The colour at a point of a picture, "r,g,b" rounded to a multiple of 32 so that JPEG and
# smooth scaling do not matter.
colour_at() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r/32+.5)*32],%[fx:int(255*p{$2,$3}.g/32+.5)*32],%[fx:int(255*p{$2,$3}.b/32+.5)*32]" info: 2>/dev/null
}
checks_clean() { ("$@" --check) 2>&1 | grep -q ' 0 problem'; }

# ---------------------------------------------------------------------------------------------
scenario=installed
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install: $(cat "$work/install.log")"
home="$work/home"
mkdir -p "$home"
if [ "$(id -u)" = 0 ]; then
    chown nobody:nogroup "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod -R a-w "$prefix"
    as_user=()
fi
chmod 644 "$photo"
snapshot() {
    (cd "$prefix" && find . -printf '%y %m %u %s %T@ %p -> %l\n' | sort &&
        find . -type f -exec md5sum {} + | sort)
}
snapshot >"$work/installed.before"
user() { (cd "$home" && "${as_user[@]}" env -i "HOME=$home" "PATH=/usr/bin:/bin" "$prefix/bin/vrendomaten" "$@"); }

user --render h3c4l5 -o "$home/old-before.png" || fail "no figure before the import"
added=$(user --import "$photo" --as BEN 2>"$work/errors") || fail "--import failed: $(cat "$work/errors")"
[ "$added" = l25 ] || fail "--import printed \"$added\", not l25"
user --render h3c4l25 -o "$home/new.png" || fail "the new part does not render"
[ "$(colour_at "$home/new.png" 142 300)" = "256,0,0" ] ||
    fail "the new legs are not the red disc: $(colour_at "$home/new.png" 142 300)"
user --render h3c4l5 -o "$home/old-after.png" || fail "no old figure after the import"
cmp -s "$home/old-before.png" "$home/old-after.png" || fail "an old figure changed its pictures"
checks_clean user || fail "--check after the import: $(user --check 2>&1)"
[ -f "$home/.local/share/vrendomaten/katalog/ben/l25.jpg" ] || fail "no user's own catalogue"
added=$(user --import "$photo" --as huvud) && [ "$added" = h25 ] || fail "a second import gave \"$added\""
snapshot >"$work/installed.after"
diff "$work/installed.before" "$work/installed.after" >"$work/installed.diff" ||
    fail "the installed tree changed: $(cat "$work/installed.diff")"
echo "ok: $scenario"

# ---------------------------------------------------------------------------------------------
scenario=together
cp -r "$build/program" "$work/together"
for i in 1 2 3 4 5 6; do
    "$work/together/vrendomaten" --import "$photo" --as huvud --dir "$work/together" >"$work/together.$i" &
done
wait
taken=$(cat "$work"/together.? | sort | tr '\n' ' ')
[ "$taken" = "h25 h26 h27 h28 h29 h30 " ] || fail "six imports at once took: $taken"
grep -q '^Antal_Huvuden=30' "$work/together/vrendisar.ini" || fail "the count is not 30"
echo "ok: $scenario"

# ---------------------------------------------------------------------------------------------
# Each import is killed at a random moment within the time a whole one takes, timed on a copy
# of the same catalogue; afterwards the catalogue checks clean. A picture written before the kill
# but not yet counted is taken away by hand, as its file would otherwise refuse the next import.
scenario=killed
milliseconds() { echo $(($(date +%s%N) / 1000000)); }
# Runs, in place of the subshell, the copy $1 of the program as $mode says: on its own
# catalogue named by --dir, or installed, its user's folder beside it.
run_copy() {
    local copy=$1
    shift
    if [ "$mode" = in-place ]; then
        exec "$work/$copy/vrendomaten" --dir "$work/$copy" "$@"
    fi
    HOME="$work/$copy-home" XDG_DATA_HOME= exec "$work/$copy/vrendomaten" "$@"
}
kill_imports() {
    local copy i next start took
    for copy in timed killed; do
        rm -rf "$work/$copy" "$work/$copy-home"
        cp -r "$build/program" "$work/$copy"
        touch "$work/$copy/installed"
        mkdir -p "$work/$copy-home"
    done
    start=$(milliseconds)
    (run_copy timed --import "$photo" --as bröst) >/dev/null || fail "an import failed"
    took=$(($(milliseconds) - start))
    for ((i = 0; i < 10; i++)); do
        # Once an import made the user's own catalogue, the next one starts without it again,
        # keeping what killed ones left.
        grep -qs katalog "$work/killed-home/.local/share/vrendomaten/vrendisar.ini" &&
            rm "$work/killed-home/.local/share/vrendomaten/vrendisar.ini"
        (run_copy killed --import "$photo" --as bröst) >/dev/null 2>&1 &
        sleep "$(awk -v ms=$((RANDOM % took)) 'BEGIN { printf "%.3f", ms / 1000 }')"
        kill -KILL $! 2>/dev/null
        wait $! 2>/dev/null
        checks_clean run_copy killed || fail "after a kill: $( (run_copy killed --check) 2>&1)"
        next=$( (run_copy killed --check) 2>&1 |
            sed -n 's/.* i \(\/[^ ]*\) har nummer över.*: \(c[0-9]*\.jpg\).*/\1\/\2/p')
        [ -n "$next" ] && rm -f "$next"
    done
}
# In place; then into the user's own catalogue, which an import not killed makes.
mode=in-place kill_imports
mode=own-catalogue kill_imports
echo "ok: $scenario"

# ---------------------------------------------------------------------------------------------
scenario=window
need_x_tools openbox xdotool xwininfo import
cp -r "$build/program" "$work/program"
sed -i 's/^Visa_splash=.*\r$/Visa_splash=0\r/' "$work/program/vrendisar.ini"
mkdir -p "$work/window-home"
export HOME="$work/window-home" XDG_DATA_HOME="$work/window-home/.local/share"
start_display
start_window_manager
start_program
xdotool windowactivate --sync "$window" 2>/dev/null
read -r left top < <(window_origin)

named() { xdotool search --all --onlyvisible --pid "$app_pid" --name "^$1\$" 2>/dev/null | head -n1; }
file_dialog_open() { [ -n "$(named 'Lägg till egen del')" ]; }
own_part_dialog_open() { [ -n "$(named 'Egen del')" ]; }
keys_to "$window" key ctrl+o
wait_for 10 file_dialog_open || fail "Ctrl+O opened no file dialog"
files=$(named 'Lägg till egen del')
xdotool windowactivate --sync "$files" 2>/dev/null
# Now and then the fresh dialog loses the first key typed: the name is typed whole again until
# the dialog takes it.
for ((attempt = 0; attempt < 3; attempt++)); do
    keys_to "$files" key ctrl+a
    keys_to "$files" type --delay 20 "$photo"
    keys_to "$files" key Return
    wait_for 5 own_part_dialog_open && break
done
own_part_dialog_open || fail "no \"Egen del\" after the file dialog"
own_part=$(named 'Egen del')
xdotool windowactivate --sync "$own_part" 2>/dev/null
keys_to "$own_part" key Return
# The head of the figure, in the middle of its band: the red disc.
head_is_red() {
    import -window root -crop "1x1+$((left + 246 + 45 + 142))+$((top + 82 + 14 + 43))" +repage \
        "$work/pixel.png" 2>/dev/null && [ "$(colour_at "$work/pixel.png" 0 0)" = "256,0,0" ]
}
wait_for 10 head_is_red || fail "the new head is not on screen"
grep -q '^Antal_Huvuden=25' "$work/program/vrendisar.ini" || fail "the head count is not 25"
xdotool mousemove --window "$window" 616 11 click 1
expect_clean_exit Avsluta
echo "ok: $scenario"
echo "PASS"
