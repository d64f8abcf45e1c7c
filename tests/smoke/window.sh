#!/usr/bin/env bash
# End-to-end check of the built browser in a real X server: start it on a
# private Xvfb screen, click the first candidate of the default library and
# check on a screenshot that a black stone appeared there.
# Usage: window.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

BUILD_DIR=${1:?build directory}
SOURCE_DIR=${2:?source directory}
BROWSER="$BUILD_DIR/joseki-browser"
LIBRARY="$SOURCE_DIR/data/joseki.sgf"

# Screen and layout: a 1024x768 screen without a window manager has the whole
# screen as work area, reduced by 1/20 to 730: spacing 31, origin (41,49),
# window 904 x 701, no frame.
SCREEN_W=1024
SCREEN_H=768
SPACING=31
ORIGIN_X=41
ORIGIN_Y=49
WINDOW_W=904
WINDOW_H=701
# Half the side of the square sampled around the point's centre.
PROBE=9

fail() { echo "window smoke test: $*" >&2; exit 1; }

for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[[ -x "$BROWSER" ]] || fail "no browser at $BROWSER"
[[ -r "$LIBRARY" ]] || fail "no default library at $LIBRARY"

WORK=$(mktemp -d)
XVFB_PID=""
BROWSER_PID=""
cleanup() {
    [[ -n "$BROWSER_PID" ]] && kill "$BROWSER_PID" 2>/dev/null || true
    [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# The first black move after the root: its point is the first candidate.
MOVE=$(grep -a -o ';B\[[a-s][a-s]\]' "$LIBRARY" | head -n 1 || true)
[[ -n "$MOVE" ]] || fail "no black move in $LIBRARY"
letter_value() { printf '%d' "$(( $(printf '%d' "'$1") - $(printf '%d' "'a") ))"; }
COL=$(letter_value "${MOVE:3:1}")
ROW=$(letter_value "${MOVE:4:1}")

DISPLAY_NUMBER=90
while [[ -e /tmp/.X${DISPLAY_NUMBER}-lock || -e /tmp/.X11-unix/X${DISPLAY_NUMBER} ]]; do
    DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1))
done
Xvfb ":$DISPLAY_NUMBER" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"

QT_QPA_PLATFORM=xcb "$BROWSER" >"$WORK/browser.log" 2>&1 &
BROWSER_PID=$!

# The main window is the one of the layout's width (a message box has the same
# caption prefix).
WINDOW=""
for _ in $(seq 100); do
    for candidate in $(xdotool search --onlyvisible --name "Kavo" 2>/dev/null || true); do
        eval "$(xdotool getwindowgeometry --shell "$candidate")"
        if [[ "$WIDTH" == "$WINDOW_W" && "$HEIGHT" == "$WINDOW_H" ]]; then
            WINDOW=$candidate
            break 2
        fi
    done
    kill -0 "$BROWSER_PID" 2>/dev/null || fail "the browser ended early: $(cat "$WORK/browser.log")"
    sleep 0.2
done
[[ -n "$WINDOW" ]] || fail "no ${WINDOW_W}x${WINDOW_H} browser window appeared"

# Let the start-up splash go and the window settle where it is centred.
sleep 2
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
CLIENT_X=$X
CLIENT_Y=$Y
# Centred on the work area the way the platform centres a dialog.
EXPECTED_X=$(( (SCREEN_W) / 2 - WINDOW_W / 2 ))
EXPECTED_Y=$(( (SCREEN_H) / 2 - WINDOW_H / 2 ))
[[ "$CLIENT_X,$CLIENT_Y" == "$EXPECTED_X,$EXPECTED_Y" ]] ||
    fail "window at $CLIENT_X,$CLIENT_Y, not centred at $EXPECTED_X,$EXPECTED_Y"
POINT_X=$((CLIENT_X + ORIGIN_X + COL * SPACING))
POINT_Y=$((CLIENT_Y + ORIGIN_Y + ROW * SPACING))

mean_around() {
    convert "$1" -crop "$((2 * PROBE + 1))x$((2 * PROBE + 1))+$((POINT_X - PROBE))+$((POINT_Y - PROBE))" \
        -colorspace gray -format '%[fx:mean]' info:
}

import -window root "$WORK/before.png"
BEFORE=$(mean_around "$WORK/before.png")
xdotool mousemove --sync "$POINT_X" "$POINT_Y" click 1
sleep 1
import -window root "$WORK/after.png"
AFTER=$(mean_around "$WORK/after.png")
cp "$WORK/after.png" "$BUILD_DIR/smoke-window.png"

awk -v b="$BEFORE" 'BEGIN { exit !(b > 0.45) }' ||
    fail "the board at ($COL,$ROW) was not light before the click (mean $BEFORE)"
awk -v a="$AFTER" 'BEGIN { exit !(a < 0.35) }' ||
    fail "no black stone at ($COL,$ROW) after the click (mean $AFTER, before $BEFORE)"
kill -0 "$BROWSER_PID" 2>/dev/null || fail "the browser ended after the click"
echo "window smoke test: black stone at ($COL,$ROW), brightness $BEFORE -> $AFTER"
