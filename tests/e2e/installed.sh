#!/usr/bin/env bash
# The installed program run by a user who cannot write to it. The build is installed into a
# scratch prefix owned by root; the real binary then runs twice through bin/vrendomaten under
# Xvfb as an unprivileged user with a HOME of its own (nobody, when run as root). The first start
# unticks the splash and saves a bookmark; the second start must show a figure at once (the
# splash choice kept) and save the next bookmark (the first one kept). Afterwards the installed
# tree is unchanged, the user's folder holds only the user's files, and HOME holds no executable.
#
# Scenarios, as far as the machine allows:
#   plain     HOME with the leftovers of the old launcher script (a copied executable, a link to
#             the pictures, a whole copy of the profile, the user's bookmarks): the executable and
#             the link go, the copy of the profile gives way to its splash choice, the bookmarks stay;
#   root      root itself, who may write the installed tree but must not (root only);
#   noexec    HOME on a noexec mount, the user's folder moved by XDG_DATA_HOME (root only);
#   readonly  root itself, the program directory on a read-only bind mount (root only).
#
#   installed.sh <build directory>
set -uo pipefail

build=${1:?usage: installed.sh <build directory>}
build=$(cd "$build" && pwd)

root=false
[ "$(id -u)" = 0 ] && root=true
# As root, a mount namespace of our own: the mounts below vanish with the test, whatever happens.
if $root && [ -z "${VRENDIS_PRIVATE_MOUNTS:-}" ] && unshare --mount --propagation private true 2>/dev/null; then
    VRENDIS_PRIVATE_MOUNTS=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
can_mount=false
[ -n "${VRENDIS_PRIVATE_MOUNTS:-}" ] && can_mount=true

. "$(dirname "$0")/lib.sh"
need_x_tools xdotool xwininfo import compare identify setpriv
chmod 755 "$work"
mounts=()
extra_cleanup() {
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" 2>/dev/null; done
}
scenario=install

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install: $(cat "$work/install.log")"
program="$prefix/lib/vrendomaten"
[ -L "$prefix/bin/vrendomaten" ] || fail "bin/vrendomaten is not a link to the program"
# Without root there is no other user: the prefix is made read-only for us instead.
$root || chmod -R a-w "$prefix"

# Everything about the installed tree that a run could change.
snapshot() {
    (cd "$prefix" && find . -printf '%y %m %u %s %T@ %p -> %l\n' | sort &&
        find . -type f -exec md5sum {} + | sort)
}
snapshot >"$work/installed.before"

# -noreset: the server would reset whenever its last client (a start, an xdotool call) left, and
# refuse the next one meanwhile.
start_display -noreset
display=$DISPLAY

# ---------------------------------------------------------------------------------------------
# Driving the real window

visible_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l; }

area=
shot() { import -window root -crop "$area" +repage "$1" 2>/dev/null; }
settled() {
    shot "$work/a.png" && sleep 0.2 && shot "$work/before.png" &&
        ! pictures_differ "$work/a.png" "$work/before.png"
}
differs() { shot "$work/after.png" && pictures_differ "$work/before.png" "$work/after.png"; }

# Starts bin/vrendomaten as the scenario's user and waits for its window to stand still.
start() {
    local env=(env -i "HOME=$home" "DISPLAY=$display" "QT_QPA_PLATFORM=xcb"
        "XDG_RUNTIME_DIR=$runtime" "PATH=/usr/bin:/bin"
        "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0:detect_leaks=0"
        "UBSAN_OPTIONS=${UBSAN_OPTIONS:-}")
    [ -n "$data_home" ] && env+=("XDG_DATA_HOME=$data_home")
    (cd "$home" && exec "${as_user[@]}" "${env[@]}" "$prefix/bin/vrendomaten") >>"$work/app.log" 2>&1 &
    app_pid=$!
    wait_for 30 find_window || fail "no 643 x 580 window appeared; log: $(cat "$work/app.log")"
    local left top
    read -r left top < <(window_origin)
    # The figure area: 5745 x 6525 twips at (3690, 1230) in the window.
    area="383x435+$((left + 246))+$((top + 82))"
    wait_for 20 settled || fail "the window never settled"
}

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# The arrow beside the status line opens the ID menu; its third line (past the separator) is
# "Spara Vrendis i bokmärken".
windows_before=0
menu_open() { [ "$(visible_windows)" -gt "$windows_before" ]; }
save_bookmark() {
    windows_before=$(visible_windows)
    click 401 66
    wait_for 10 menu_open || fail "the ID menu did not open"
    xdotool key Down Down Return
}

quit() {
    click 616 11
    expect_clean_exit Avsluta
}

holds() { grep -qF -- "$2" "$1" 2>/dev/null; }

# ---------------------------------------------------------------------------------------------
# One scenario: two starts of the installed program.

run_scenario() {
    local folder="${data_home:-$home/.local/share}/vrendomaten"
    local first=1
    [ -f "$folder/bookmark.dat" ] && first=2

    # First start: the installed profile shows the splash. Untick it for the next start, take
    # the figure from the photograph and keep it.
    start
    click 300 492
    wait_for 10 holds "$folder/vrendisar.ini" "Visa_splash=0" ||
        fail "the splash choice was not written to $folder/vrendisar.ini"
    click 433 295
    wait_for 20 differs || fail "no figure after a click on the photograph"
    save_bookmark
    wait_for 10 holds "$folder/bookmark.dat" "bookmark_$first=h" ||
        fail "the bookmark was not saved: $(cat "$folder/bookmark.dat" 2>&1)"
    quit

    # The user's profile holds the one key the program wrote, nothing copied from the installed one.
    [ "$(cat "$folder/vrendisar.ini")" = $'[Vrendomaten]\r\nVisa_splash=0\r' ] ||
        fail "the user's profile holds more than the splash choice: $(cat -A "$folder/vrendisar.ini")"

    # Second start: a figure at once (no splash), so the next bookmark can be saved at once.
    start
    save_bookmark
    wait_for 10 holds "$folder/bookmark.dat" "bookmark_$((first + 1))=h" ||
        fail "no bookmark from the second start (was the splash shown again?): $(cat "$folder/bookmark.dat")"
    quit
    holds "$folder/bookmark.dat" "Counter=$((first + 1))" || fail "counter: $(cat "$folder/bookmark.dat")"
    for ((n = 1; n <= first; n++)); do
        holds "$folder/bookmark.dat" "bookmark_$n=h" || fail "bookmark $n lost: $(cat "$folder/bookmark.dat")"
    done

    snapshot >"$work/installed.after"
    diff "$work/installed.before" "$work/installed.after" >"$work/installed.diff" ||
        fail "the installed tree changed: $(cat "$work/installed.diff")"
    local found
    found=$(find "$home" \( -type f -perm /111 \) -o -type l)
    [ -z "$found" ] || fail "executables or links under HOME: $found"
    local kept
    kept=$(cd "$folder" && ls -A | grep -v '\.lock$' | sort | tr '\n' ' ')
    [ "$kept" = "bookmark.dat vrendisar.ini $retired" ] || fail "the user's folder holds: $kept"
    echo "ok: $scenario"
}

# A fresh HOME (and runtime directory) for the scenario's user.
new_home() {
    home="$work/home-$scenario"
    runtime="$work/runtime-$scenario"
    mkdir -p "$home" "$runtime"
    chmod 700 "$runtime"
}
give_to_user() { if $root; then chown -R nobody:nogroup "$@"; fi; }

if $root; then
    user_run=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    "${user_run[@]}" test -r "$program/vrendisar.ini" ||
        fail "nobody cannot read $program (is a folder above $work closed to others?)"
else
    user_run=()
fi

# plain: the old launcher's leftovers in the default folder.
scenario=plain
as_user=("${user_run[@]}")
data_home=
new_home
old="$home/.local/share/vrendomaten"
mkdir -p "$old"
cp "$program/vrendomaten" "$old/vrendomaten"
chmod 755 "$old/vrendomaten"
ln -s "$program/data" "$old/data"
cp "$program/vrendisar.ini" "$old/vrendisar.ini"
printf '[Bookmarks]\r\nCounter=1\r\nbookmark_1=h1c2l3\r\n' >"$old/bookmark.dat"
give_to_user "$home" "$runtime"
retired="vrendisar.ini.old "
run_scenario
retired=

# root: the installed tree is writable for root, and stays as it is all the same.
scenario=root
if $root; then
    new_home
    as_user=()
    run_scenario
else
    echo "skipped: $scenario (needs root)"
fi

# noexec: HOME where nothing may be executed, the user's folder below XDG_DATA_HOME.
scenario=noexec
if $can_mount; then
    new_home
    mount -t tmpfs -o noexec,nosuid,nodev,size=32m,mode=755 vrendis-home "$home" ||
        fail "cannot mount a noexec HOME"
    mounts+=("$home")
    data_home="$home/data"
    give_to_user "$home" "$runtime"
    run_scenario
else
    echo "skipped: $scenario (mounting needs root and a mount namespace of our own)"
fi

# readonly: root, who may write anywhere but on a read-only mount.
scenario=readonly
if $can_mount; then
    new_home
    as_user=()
    data_home=
    mount --bind "$program" "$program" && mount -o remount,bind,ro "$program" ||
        fail "cannot bind the program directory read-only"
    mounts+=("$program")
    run_scenario
else
    echo "skipped: $scenario (mounting needs root and a mount namespace of our own)"
fi
echo "PASS"
