#!/usr/bin/env bash
# Builds the Debian package of a build with cpack, unpacks it with dpkg-deb -x into a scratch root
# and checks what a user gets: the stripped program beside its profile and catalogue, the command
# link, the desktop entry, the metainfo, the icons, the copyright file and the changelog, the
# package's fields with the computed dependencies, no maintainer scripts, and an unpacked program
# directory that passes --check and renders a figure. Lintian, where installed, reports no error.
#
#   package.sh <build directory>
set -uo pipefail

build=${1:?usage: package.sh <build directory>}
build=$(cd "$build" && pwd)
for tool in dpkg-deb dpkg-shlibdeps cpack readelf file; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/bootstrap installs dpkg-dev and file)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

# The package, packed in a directory of its own so that a run of scripts/package is left alone.
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/out/vrendomaten_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# The fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vrendomaten ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = graphics ] || fail "Section: $(field Section)"
field Maintainer | grep -q '^Vrendomaten developers <.*@.*>$' || fail "Maintainer: $(field Maintainer)"
# Computed from the program's libraries, with the versions the build needs, and the image
# format plugins named.
depends=$(field Depends)
packages=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
    qt6-image-formats-plugins libqt6svg6; do
    grep -Fqx "$library" <<<"$packages" || fail "Depends lacks $library: $depends"
done
# A short description and a long one below it.
description=$(field Description)
[ "$(wc -l <<<"$description")" -ge 3 ] || fail "no long description: $description"

# Only the control file and the checksums: no maintainer scripts, no configuration files.
dpkg-deb -e "$deb" "$work/control"
control_files=$(cd "$work/control" && ls | tr '\n' ' ')
[ "$control_files" = "control md5sums " ] || fail "control area holds: $control_files"

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
program="$root/usr/lib/vrendomaten"
exists() { for file in "$@"; do [ -e "$file" ] || fail "not in the package: ${file#"$root"}"; done; }
exists "$program/vrendomaten" "$program/vrendisar.ini" \
    "$program/data/app/btn_skapa_on.jpg" "$program/data/huvuden/h1.jpg" \
    "$program/data/broest/c1.jpg" "$program/data/ben/l1.jpg" \
    "$root/usr/share/doc/vrendomaten/copyright" "$root/usr/share/doc/vrendomaten/changelog.gz" \
    "$root/usr/share/man/man6/vrendomaten.6.gz"

# Everything is under /usr, owned by root.
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "outside /usr: $outside"
owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
[ "$owners" = root/root ] || fail "owners: $owners"

# The program, stripped; bin/vrendomaten a relative link to it.
[ -x "$program/vrendomaten" ] || fail "the program is not executable"
file -b "$program/vrendomaten" | grep -q '^ELF 64-bit' || fail "the program is not an ELF file"
if readelf -S "$program/vrendomaten" | grep -q '\.symtab'; then
    fail "the program is not stripped"
fi
[ "$(readlink "$root/usr/bin/vrendomaten")" = ../lib/vrendomaten/vrendomaten ] ||
    fail "bin/vrendomaten is not a relative link to the program: $(readlink "$root/usr/bin/vrendomaten")"

# The desktop entry starts the command and names the icon that is installed in each size.
app_id=se.vrendomaten.Vrendomaten
entry="$root/usr/share/applications/$app_id.desktop"
exists "$entry"
grep -qx "Exec=vrendomaten" "$entry" || fail "the desktop entry does not start vrendomaten"
grep -qx "Icon=$app_id" "$entry" || fail "the desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate"
fi
for size in 16 32 128; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    exists "$icon"
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "icon $size: $(file -b "$icon")"
done

# The metainfo launches that desktop entry and provides that command.
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
exists "$metainfo"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo launches another desktop entry"
grep -q "<binary>vrendomaten</binary>" "$metainfo" || fail "the metainfo provides another command"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
        fail "appstreamcli: $(cat "$work/appstream.log")"
fi

# The changelog is compressed without a name or a time in its header.
[ "$(od -An -tx1 -j4 -N4 "$root/usr/share/doc/vrendomaten/changelog.gz" | tr -d ' ')" = 00000000 ] ||
    fail "the changelog's gzip header holds a time"
zcat "$root/usr/share/doc/vrendomaten/changelog.gz" | head -n1 | grep -q "^vrendomaten ($version) " ||
    fail "the changelog does not begin with this version"

# The unpacked program directory, run from the command line. The program writes nothing when it
# only checks or renders, but it gets a HOME of its own all the same.
export HOME="$work/home" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
run() { (cd "$work" && timeout -k 5 60 "$program/vrendomaten" "$@"); }
# A program without the commands would open its window on --help: it is ended after 5 seconds.
help=$(cd "$work" && timeout -k 2 5 "$program/vrendomaten" --help 2>&1)
if grep -q -- '--render' <<<"$help"; then
    run --check --dir "$program" >"$work/check.log" 2>&1 ||
        fail "--check of the unpacked program directory: $(cat "$work/check.log")"
    run --render h1c1l1 -o "$work/out.png" --dir "$program" >"$work/render.log" 2>&1 ||
        fail "--render h1c1l1: $(cat "$work/render.log")"
    file -b "$work/out.png" | grep -q '^PNG image data, 285 x 405,' ||
        fail "--render h1c1l1 wrote: $(file -b "$work/out.png")"
    echo "ok: --check and --render of the unpacked program directory"
else
    echo "NOTE: this program has no --render yet; --check and --render were not run"
fi

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
    cat "$work/lintian.log"
    if grep -q '^E:' "$work/lintian.log"; then
        fail "lintian reports errors"
    fi
else
    echo "NOTE: lintian is not installed; the package was not linted"
fi
echo "PASS"
