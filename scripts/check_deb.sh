#!/usr/bin/env bash
# Manual release check of the .deb, NOT part of CI: it downloads a whole Debian 12 base system
# (about 60 MB, cached under build/deb-check/) and the package's dependencies from the mirror.
#
# It builds the package, installs it with apt into a throw-away copy of a clean bookworm root
# (without Recommends, so that Depends alone must be enough), starts the program there on the
# offscreen platform and, when Xvfb is on this machine, on a real X server, and validates the
# desktop entry, the metainfo and the icon lookup. Needs root (debootstrap, chroot, mount).
#
#   bash scripts/check_deb.sh            # reuses the cached base root when there is one
#   LCHP_DEB_FRESH_ROOT=1 bash scripts/check_deb.sh   # debootstraps the base root again
#   LCHP_DEB_XCB=0 bash scripts/check_deb.sh          # skips the X server run
#   LCHP_MIRROR=http://... bash scripts/check_deb.sh  # overrides the mirror taken from apt
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
check_dir=$repo/build/deb-check
build_dir=$check_dir/build
base_root=$check_dir/bookworm-base
started=$SECONDS

fail() { echo "check_deb: FAIL: $*" >&2; exit 1; }
note() { echo "check_deb: $*"; }

[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap, chroot and mount)"
for tool in cmake cpack dpkg-deb; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done
if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

# The mirror this machine already trusts, so the check works where only it is reachable.
apt_uris() {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
        2>/dev/null | grep -v '^[[:space:]]*#' | grep -oE 'https?://[^[:space:]]+' || true
}
mirror=${LCHP_MIRROR:-$(apt_uris | grep -E '/debian/?$' | head -n1)}
mirror=${mirror:-http://deb.debian.org/debian}
mirror=${mirror%/}
security=$(apt_uris | grep -E '/debian-security/?$' | head -n1)
security=${security:-${mirror%/debian}/debian-security}
security=${security%/}

# ---------------------------------------------------------------------------------------------
# 1. The package and what it says about itself

note "building the package in $build_dir"
mkdir -p "$check_dir"
{
    cmake -S "$repo" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
          -DLCHP_BUILD_BENCH=OFF &&
        cmake --build "$build_dir" -j"$(nproc)" &&
        rm -f "$build_dir"/lc-highpass_*.deb &&
        (cd "$build_dir" && cpack -G DEB)
} >"$check_dir/build.log" 2>&1 || fail "building the package failed, see $check_dir/build.log"
deb=$(ls "$build_dir"/lc-highpass_*.deb)
note "package: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
note "Depends: $depends"
# libqt6svg6 draws the schematic and the icon; qt6-qpa-plugins and the font are only loaded at
# run time, so no library scan would notice if they went missing from the list.
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins \
              fonts-liberation2; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/bin/lc-highpass \
            ./usr/share/applications/org.lchp.LcHighPass.desktop \
            ./usr/share/metainfo/org.lchp.LcHighPass.metainfo.xml \
            ./usr/share/icons/hicolor/16x16/apps/lc-highpass.png \
            ./usr/share/icons/hicolor/32x32/apps/lc-highpass.png \
            ./usr/share/icons/hicolor/scalable/apps/lc-highpass.svg; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
stray=$(grep -vE '^\./usr/(bin|share/(applications|metainfo|icons/hicolor))(/|$)|^\./usr/(share/(icons/)?)?$' \
        <<<"$contents" || true)
[ -z "$stray" ] || fail "unexpected paths in the package: $stray"

# ---------------------------------------------------------------------------------------------
# 2. A clean root, the install and the start

if [ "${LCHP_DEB_FRESH_ROOT:-0}" = 1 ] || [ ! -x "$base_root/usr/bin/apt-get" ]; then
    note "debootstrapping bookworm from $mirror into $base_root"
    rm -rf "$base_root"   # never holds mounts: only copies of it are chrooted into
    debootstrap --variant=minbase bookworm "$base_root" "$mirror" >"$check_dir/debootstrap.log" 2>&1 ||
        fail "debootstrap failed, see $check_dir/debootstrap.log"
fi

work=$(mktemp -d "$check_dir/root.XXXXXX")
mounts=()
xvfb_pid=
cleanup() {
    local status=$?
    set +e
    # Processes still running in the root (a program that outlived its timeout, a daemon a
    # maintainer script started) would keep the mounts busy.
    local proc link
    for proc in /proc/[0-9]*; do
        link=$(readlink "$proc/root" 2>/dev/null)
        case $link in "$work"|"$work"/*) kill -9 "${proc#/proc/}" 2>/dev/null ;; esac
    done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" || umount -l "${mounts[i]}"
    done
    if grep -qF " $work/" /proc/mounts; then
        echo "check_deb: mounts are left under $work; not removing it" >&2
        status=1
    else
        rm -rf "$work"
    fi
    note "took $((SECONDS - started)) s"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

note "copying the clean root to $work"
cp -a "$base_root"/. "$work"/
cat >"$work/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
cp /etc/resolv.conf "$work/etc/resolv.conf"
# No daemon of a dependency may start inside the chroot.
printf '#!/bin/sh\nexit 101\n' >"$work/usr/sbin/policy-rc.d"
chmod +x "$work/usr/sbin/policy-rc.d"

mount -t proc proc "$work/proc" && mounts+=("$work/proc")
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$work/dev/pts" && mounts+=("$work/dev/pts")

in_root() { chroot "$work" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
apt_in_root() {
    in_root DEBIAN_FRONTEND=noninteractive apt-get -y -q -o Dpkg::Use-Pty=0 "$@"
}

cp "$deb" "$work/tmp/"
apt_in_root update >"$check_dir/apt.log" 2>&1 || fail "apt-get update failed, see $check_dir/apt.log"
apt_in_root install --no-install-recommends "/tmp/$(basename "$deb")" >>"$check_dir/apt.log" 2>&1 ||
    fail "installing the package failed, see $check_dir/apt.log"
note "installed with $(grep -c '^Setting up' "$check_dir/apt.log") packages"

missing=$(in_root ldd /usr/bin/lc-highpass | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"

# A program that reaches its event loop is still running when the timeout ends it (124).
run_status=0
in_root QT_QPA_PLATFORM=offscreen timeout 5 lc-highpass \
    >"$check_dir/offscreen.out" 2>"$check_dir/offscreen.err" || run_status=$?
[ "$run_status" -eq 124 ] ||
    fail "offscreen start ended with $run_status: $(cat "$check_dir/offscreen.err")"
if grep -iE 'could not (load|find)|cannot open shared|failed to|qt\.svg' "$check_dir/offscreen.err"; then
    fail "offscreen start complained, see $check_dir/offscreen.err"
fi
note "offscreen start: still running after 5 s"

if [ "${LCHP_DEB_XCB:-1}" != 0 ] && command -v Xvfb >/dev/null; then
    display=
    for number in $(seq 90 120); do
        if [ ! -e "/tmp/.X$number-lock" ] && [ ! -e "/tmp/.X11-unix/X$number" ]; then
            display=$number
            break
        fi
    done
    [ -n "$display" ] || fail "no free X display number"
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$check_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
    [ -e "/tmp/.X11-unix/X$display" ] || fail "Xvfb did not start, see $check_dir/xvfb.log"
    mkdir -p "$work/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$work/tmp/.X11-unix" && mounts+=("$work/tmp/.X11-unix")

    in_root DISPLAY=":$display" QT_QPA_PLATFORM=xcb timeout 8 lc-highpass \
        >"$check_dir/xcb.out" 2>"$check_dir/xcb.err" &
    app_pid=$!
    sleep 4
    if command -v xwininfo >/dev/null; then
        DISPLAY=":$display" xwininfo -root -tree | grep -q '"Form1"' ||
            fail "no Form1 window on the X server"
    fi
    # Without a window manager the maximised window keeps its small first size.
    if command -v xdotool >/dev/null; then
        DISPLAY=":$display" xdotool search --name '^Form1$' windowsize 1000 740 >/dev/null 2>&1
        sleep 1
    fi
    if command -v xwd >/dev/null && command -v convert >/dev/null; then
        DISPLAY=":$display" xwd -root -silent | convert xwd:- "$check_dir/xcb_shot.png" &&
            note "X server screenshot: $check_dir/xcb_shot.png"
    fi
    run_status=0
    wait "$app_pid" || run_status=$?
    [ "$run_status" -eq 124 ] || fail "xcb start ended with $run_status: $(cat "$check_dir/xcb.err")"
    note "xcb start: still running after 8 s"
else
    note "X server run skipped (LCHP_DEB_XCB=0 or no Xvfb on this machine)"
fi

# ---------------------------------------------------------------------------------------------
# 3. The desktop files as a desktop would read them

# hicolor-icon-theme is what every desktop has; the validators come after the start so that
# nothing they pull in can hide a missing dependency.
apt_in_root install --no-install-recommends desktop-file-utils appstream hicolor-icon-theme \
    >>"$check_dir/apt.log" 2>&1 || fail "installing the validators failed, see $check_dir/apt.log"

desktop=/usr/share/applications/org.lchp.LcHighPass.desktop
metainfo=/usr/share/metainfo/org.lchp.LcHighPass.metainfo.xml
in_root desktop-file-validate "$desktop" || fail "desktop-file-validate rejected $desktop"
in_root appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejected $metainfo"

grep -qF '<launchable type="desktop-id">org.lchp.LcHighPass.desktop</launchable>' \
    "$work$metainfo" || fail "the metainfo does not launch org.lchp.LcHighPass.desktop"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$work$desktop")
[ -x "$work/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in /usr/bin"

# The lookup a desktop does without icon-theme.cache: every directory the hicolor index lists,
# the icon's name with each extension the icon theme allows.
icon=$(sed -n 's/^Icon=//p' "$work$desktop")
[ -n "$icon" ] || fail "the desktop entry has no Icon="
theme=$work/usr/share/icons/hicolor
directories=$(sed -n 's/^Directories=//p' "$theme/index.theme" | tr ',' ' ')
found=()
for directory in $directories; do
    for extension in png svg xpm; do
        [ -f "$theme/$directory/$icon.$extension" ] && found+=("$directory/$icon.$extension")
    done
done
for wanted in 16x16/apps/"$icon".png 32x32/apps/"$icon".png scalable/apps/"$icon".svg; do
    printf '%s\n' "${found[@]}" | grep -qxF "$wanted" ||
        fail "hicolor lookup of Icon=$icon misses $wanted"
done
note "hicolor lookup of Icon=$icon: ${found[*]}"

note "PASS"
