#!/usr/bin/env bash
# End-to-end check of the built browser in a real X server, on a private Xvfb
# screen, without a window manager or under the one named:
# - the start-up title picture is on screen in front of the dialog once the
#   dialog has its laid-out size, and is gone after its lifetime;
# - a click on the first candidate of the default library puts a black stone
#   there;
# - the About picture stays in front when the dialog is raised, and a key
#   press only closes the picture;
# - the board's keys work without a click: Home takes the stone away, Down
#   highlights the first candidate and Right plays it.
# Usage: window.sh BUILD_DIR SOURCE_DIR [WINDOW_MANAGER]
set -euo pipefail

BUILD_DIR=${1:?build directory}
SOURCE_DIR=${2:?source directory}
WINDOW_MANAGER=${3:-}
BROWSER="$BUILD_DIR/joseki-browser"
LIBRARY="$SOURCE_DIR/data/joseki.sgf"
PICTURE="$SOURCE_DIR/res/156.png"
NAME="window smoke test${WINDOW_MANAGER:+ under $WINDOW_MANAGER}"

# Screen and layout: a 1024x768 screen whose work area is the whole screen
# (no panel) is reduced by 1/20 to 730: spacing 31, origin (41,49), outer
# window 904 x 701; without a window manager there is no frame.
SCREEN_W=1024
SCREEN_H=768
SPACING=31
ORIGIN_X=41
ORIGIN_Y=49
WINDOW_W=904
WINDOW_H=701
# The title picture, and the start-up picture's lifetime in milliseconds.
PICTURE_W=528
PICTURE_H=263
STARTUP_LIFETIME_MS=1200
# The "关 于" link: the information panel placed for this layout's scale is at
# (650,449) in the client area, and the link at (34,52) in it, 40 x 15.
ABOUT_LINK_X=$((650 + 34 + 20))
ABOUT_LINK_Y=$((449 + 52 + 7))
# Half the side of the square sampled around the point's centre.
PROBE=9
# Pixels of a screen area that may differ from the picture (none: the picture
# is copied unscaled), and how many must differ once it is gone.
PICTURE_TOLERANCE=0
GONE_MINIMUM=10000

fail() { echo "$NAME: $*" >&2; exit 1; }

for tool in Xvfb xdotool xprop xwininfo import convert compare ${WINDOW_MANAGER:+"$WINDOW_MANAGER"}; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[[ -x "$BROWSER" ]] || fail "no browser at $BROWSER"
[[ -r "$LIBRARY" ]] || fail "no default library at $LIBRARY"
[[ -r "$PICTURE" ]] || fail "no title picture at $PICTURE"

WORK=$(mktemp -d)
XVFB_PID=""
WM_PID=""
BROWSER_PID=""
cleanup() {
    [[ -n "$BROWSER_PID" ]] && kill "$BROWSER_PID" 2>/dev/null || true
    [[ -n "$WM_PID" ]] && kill "$WM_PID" 2>/dev/null || true
    [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# The first black move after the root: its point is the first candidate.
MOVE=$(grep -a -o ';B\[[a-s][a-s]\]' "$LIBRARY" | head -n 1 || true)
[[ -n "$MOVE" ]] || fail "no black move in $LIBRARY"
letter_value() { printf '%d' "$(($(printf '%d' "'$1") - $(printf '%d' "'a")))"; }
COL=$(letter_value "${MOVE:3:1}")
ROW=$(letter_value "${MOVE:4:1}")

# A display of our own: Xvfb takes a display's lock file atomically and ends
# at once when another server holds it, so the next number is tried; it
# writes the number to file descriptor 3 once it accepts clients.
DISPLAY_NUMBER=90
while :; do
    : >"$WORK/display"
    Xvfb ":$DISPLAY_NUMBER" -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp \
        3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [[ -s "$WORK/display" ]] && break 2
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
    DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1))
    ((DISPLAY_NUMBER < 190)) || fail "Xvfb found no free display: $(cat "$WORK/xvfb.log")"
done
export DISPLAY=":$DISPLAY_NUMBER"
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "no X server on $DISPLAY"

if [[ -n "$WINDOW_MANAGER" ]]; then
    "$WINDOW_MANAGER" >"$WORK/wm.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
        fail "$WINDOW_MANAGER did not start: $(cat "$WORK/wm.log")"
fi

now_ms() { date +%s%3N; }

# The outer size of a window: its own without a window manager, with the
# frame the manager put around it otherwise.
outer_size() { # window -> "W H"
    local extents
    eval "$(xdotool getwindowgeometry --shell "$1")"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' | tr -d ' ' || true)
    if [[ "$extents" =~ ^([0-9]+),([0-9]+),([0-9]+),([0-9]+)$ ]]; then
        echo "$((WIDTH + BASH_REMATCH[1] + BASH_REMATCH[2])) $((HEIGHT + BASH_REMATCH[3] + BASH_REMATCH[4]))"
    else
        echo "$WIDTH $HEIGHT"
    fi
}

# The main window once it has its laid-out size (a message box has a caption
# that starts alike, the dialog's alone says 大全).
laid_out_dialog() {
    local candidate
    for candidate in $(xdotool search --onlyvisible --name "定式大全" 2>/dev/null || true); do
        if [[ "$(outer_size "$candidate")" == "$WINDOW_W $WINDOW_H" ]]; then
            echo "$candidate"
            return
        fi
    done
}

# The geometry "W H X Y" of the program's visible window of the picture's size.
picture_window() {
    local candidate
    for candidate in $(xdotool search --onlyvisible --pid "$BROWSER_PID" 2>/dev/null || true); do
        eval "$(xdotool getwindowgeometry --shell "$candidate")"
        if [[ "$WIDTH" == "$PICTURE_W" && "$HEIGHT" == "$PICTURE_H" ]]; then
            xwininfo -id "$candidate" | awk '/Absolute upper-left [XY]/ { place = place " " $NF } END { print place }'
            return
        fi
    done
}

# How many pixels of the screen at X,Y differ from the title picture; the
# screen is kept in the file named (uncompressed: the picture lives 1.2 s).
picture_difference() { # x y shot
    import -window root "$3"
    convert "$3" -crop "${PICTURE_W}x${PICTURE_H}+$1+$2" +repage "$3.crop.miff"
    compare -metric AE "$3.crop.miff" "$PICTURE" null: 2>&1 | cut -d' ' -f1 || true
}

# --- the start-up picture -------------------------------------------------

LAUNCHED=$(now_ms)
QT_QPA_PLATFORM=xcb "$BROWSER" >"$WORK/browser.log" 2>&1 &
BROWSER_PID=$!

WINDOW=""
SEEN_MS=""
PICTURE_AT=""
while (($(now_ms) - LAUNCHED < 20000)); do
    kill -0 "$BROWSER_PID" 2>/dev/null || fail "the browser ended early: $(cat "$WORK/browser.log")"
    [[ -n "$WINDOW" ]] || WINDOW=$(laid_out_dialog)
    PICTURE_AT=$(picture_window)
    if [[ -n "$WINDOW" && -n "$PICTURE_AT" ]]; then
        # shellcheck disable=SC2086
        if [[ "$(picture_difference $PICTURE_AT "$WORK/startup.miff")" -le "$PICTURE_TOLERANCE" ]]; then
            SEEN_MS=$(($(now_ms) - LAUNCHED))
            convert "$WORK/startup.miff" -depth 8 "$BUILD_DIR/smoke-startup${WINDOW_MANAGER:+-$WINDOW_MANAGER}.png"
            break
        fi
    fi
    # Once the dialog has its size the picture must be in front of it for as
    # long as it is up.
    [[ -n "$WINDOW" && -z "$PICTURE_AT" && -n "$SEEN_MS" ]] && break
    [[ -n "$WINDOW" && -z "$PICTURE_AT" ]] && fail "the title picture was not on screen in front of the dialog"
    sleep 0.05
done
[[ -n "$WINDOW" ]] || fail "no ${WINDOW_W}x${WINDOW_H} browser window appeared"
[[ -n "$SEEN_MS" ]] || fail "the title picture was not on screen in front of the dialog"

until [[ -z "$(picture_window)" ]]; do
    (($(now_ms) - LAUNCHED < SEEN_MS + 10 * STARTUP_LIFETIME_MS)) || fail "the title picture stayed up"
    sleep 0.05
done
GONE_MS=$(($(now_ms) - LAUNCHED))
# shellcheck disable=SC2086
GONE_DIFFERENCE=$(picture_difference $PICTURE_AT "$WORK/gone.miff")
[[ "$GONE_DIFFERENCE" -ge "$GONE_MINIMUM" ]] ||
    fail "the title picture is still on the screen after its window went ($GONE_DIFFERENCE pixels differ)"
echo "$NAME: title picture in front of the dialog ${SEEN_MS} ms after launch, gone after ${GONE_MS} ms"

# --- a click on the board -------------------------------------------------

# Let the window settle where it is centred; the client area's place on the
# screen (a window manager's frame lies around it).
sleep 1
CLIENT_X=$(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ { print $NF }')
CLIENT_Y=$(xwininfo -id "$WINDOW" | awk '/Absolute upper-left Y/ { print $NF }')
if [[ -z "$WINDOW_MANAGER" ]]; then
    # Centred on the work area the way the platform centres a dialog.
    EXPECTED_X=$(((SCREEN_W) / 2 - WINDOW_W / 2))
    EXPECTED_Y=$(((SCREEN_H) / 2 - WINDOW_H / 2))
    [[ "$CLIENT_X,$CLIENT_Y" == "$EXPECTED_X,$EXPECTED_Y" ]] ||
        fail "window at $CLIENT_X,$CLIENT_Y, not centred at $EXPECTED_X,$EXPECTED_Y"
fi
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
cp "$WORK/after.png" "$BUILD_DIR/smoke-window${WINDOW_MANAGER:+-$WINDOW_MANAGER}.png"

awk -v b="$BEFORE" 'BEGIN { exit !(b > 0.45) }' ||
    fail "the board at ($COL,$ROW) was not light before the click (mean $BEFORE)"
awk -v a="$AFTER" 'BEGIN { exit !(a < 0.35) }' ||
    fail "no black stone at ($COL,$ROW) after the click (mean $AFTER, before $BEFORE)"
kill -0 "$BROWSER_PID" 2>/dev/null || fail "the browser ended after the click"
echo "$NAME: black stone at ($COL,$ROW), brightness $BEFORE -> $AFTER"

# --- the About picture ----------------------------------------------------

xdotool mousemove --sync "$((CLIENT_X + ABOUT_LINK_X))" "$((CLIENT_Y + ABOUT_LINK_Y))" click 1
for _ in $(seq 100); do
    PICTURE_AT=$(picture_window)
    [[ -n "$PICTURE_AT" ]] && break
    sleep 0.05
done
[[ -n "$PICTURE_AT" ]] || fail "the About link showed no picture"
# The dialog comes up over the picture, which puts itself back in front.
xdotool mousemove 0 0
xdotool windowraise "$WINDOW"
sleep 0.5
# shellcheck disable=SC2086
ABOUT_DIFFERENCE=$(picture_difference $PICTURE_AT "$WORK/about.miff")
[[ "$ABOUT_DIFFERENCE" -le "$PICTURE_TOLERANCE" ]] ||
    fail "the About picture is not in front of the raised dialog ($ABOUT_DIFFERENCE pixels differ)"
# A key press closes the picture and goes no further: Esc leaves the dialog open.
xdotool key Escape
for _ in $(seq 100); do
    [[ -z "$(picture_window)" ]] && break
    sleep 0.05
done
[[ -z "$(picture_window)" ]] || fail "a key press did not close the About picture"
sleep 0.3
[[ -n "$(laid_out_dialog)" ]] || fail "the key that closed the About picture also closed the dialog"
echo "$NAME: About picture in front of the raised dialog, closed by a key"

# --- the keyboard ---------------------------------------------------------

# The pointer rests on the dialog beside the board, where a bare X server
# sends the keys; the board has had the focus since the start.
xdotool mousemove --sync "$((CLIENT_X + ABOUT_LINK_X))" "$((CLIENT_Y + ORIGIN_Y))"
xdotool key Home
sleep 0.5
import -window root "$WORK/home.png"
CLEARED=$(mean_around "$WORK/home.png")
awk -v c="$CLEARED" 'BEGIN { exit !(c > 0.45) }' || fail "Home left the stone at ($COL,$ROW) (mean $CLEARED)"
xdotool key Down Right
sleep 0.5
import -window root "$WORK/keys.png"
PLAYED=$(mean_around "$WORK/keys.png")
awk -v p="$PLAYED" 'BEGIN { exit !(p < 0.35) }' ||
    fail "Down and Right put no black stone at ($COL,$ROW) (mean $PLAYED)"
echo "$NAME: Home took the stone away, Down and Right played it again"
