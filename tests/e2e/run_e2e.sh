#!/usr/bin/env bash
# Types the worked design into the real window under Xvfb, clicks "Ampiezza" and checks the
# screen before and after the click.
#   run_e2e.sh PROGRAM CHECKER OUTPUT_DIR
# The grabs (e2e_before.png, e2e_after.png) and the logs stay in OUTPUT_DIR.
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 PROGRAM CHECKER OUTPUT_DIR" >&2
    exit 2
fi
program=$1
checker=$2
out=$3

# CI installs both; a machine without them must not pass this test by skipping it.
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "e2e: $tool is not installed (Debian: apt-get install xvfb xdotool)" >&2
        exit 1
    fi
done

mkdir -p "$out"
before_png="$out/e2e_before.png"
after_png="$out/e2e_after.png"
program_log="$out/e2e_program.log"
xvfb_log="$out/e2e_xvfb.log"
display_file="$out/e2e_display"
rm -f "$before_png" "$after_png" "$program_log" "$xvfb_log" "$display_file"

xvfb_pid=""
program_pid=""
cleanup() {
    local status=$?
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -f "$display_file"
    if [ "$status" -ne 0 ]; then
        echo "e2e: failed; grabs and logs are in $out" >&2
        if [ -s "$program_log" ]; then
            echo "--- program output ---" >&2
            tail -n 40 "$program_log" >&2
        fi
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "e2e: $*" >&2
    exit 1
}

# Waits until a command succeeds, up to a number of tenths of a second.
poll() {
    local tenths=$1
    shift
    local i
    for ((i = 0; i < tenths; ++i)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Xvfb picks a free display itself and writes its number once it accepts clients. Its root is
# white, which passes neither for the chart's black frame nor for a blue point where the window
# does not cover the screen.
exec {display_fd}>"$display_file"
Xvfb -displayfd "$display_fd" -screen 0 1280x800x24 -dpi 96 -wr -nolisten tcp \
    >"$xvfb_log" 2>&1 &
xvfb_pid=$!
exec {display_fd}>&-
display_ready() {
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb exited: $(tail -n 5 "$xvfb_log")"
    grep -qE '^[0-9]+$' "$display_file"
}
poll 100 display_ready || fail "Xvfb did not report a display within 10 s"
display_number=$(head -n 1 "$display_file")
export DISPLAY=":$display_number"

# The test's own X server and a plain scale, whatever the desktop that started ctest uses.
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
    QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI

"$program" >"$program_log" 2>&1 &
program_pid=$!

window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1) ||
    fail "no window named Form1 appeared"
[ -n "$window" ] || fail "no window named Form1 appeared"

# No window manager: showMaximized leaves the window small, so drag it big by hand.
xdotool windowsize --sync "$window" 1280 800
eval "$(xdotool getwindowgeometry --shell "$window")"
if [ "$WIDTH" != 1280 ] || [ "$HEIGHT" != 800 ]; then
    fail "the window is ${WIDTH}x${HEIGHT} after resizing it to 1280x800"
fi
# Without a frame the client area starts at the window's top-left corner.
origin=("$X" "$Y")

"$checker" --expect-empty --origin "${origin[@]}" --png "$before_png" --wait-ms 10000

# Into Fo, then Tab through R, Fmax and Passo, as the tab order goes.
xdotool mousemove --window "$window" --sync $((848 + 65 / 2)) $((112 + 25 / 2)) click 1
xdotool type --delay 30 1000
xdotool key --delay 30 Tab
xdotool type --delay 30 8
xdotool key --delay 30 Tab
xdotool type --delay 30 5000
xdotool key --delay 30 Tab
xdotool type --delay 30 50
# "Ampiezza".
xdotool mousemove --window "$window" --sync $((880 + 105 / 2)) $((368 + 41 / 2)) click 1

"$checker" --expect-curve --origin "${origin[@]}" --png "$after_png" --wait-ms 10000

kill -0 "$program_pid" 2>/dev/null || fail "the program exited during the test"
