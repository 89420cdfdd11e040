#!/usr/bin/env bash
# A start opens the borderless window over the screen and draws the tank,
# writes every default setting; Esc ends it with code 0; a second copy ends
# at once; a second start reads the settings back without changing them.
set -u
source "$(dirname "$0")/lib.sh" "$1"

start_game
wait_window Parvolune
wait_lit "$WORK/shot.png" || fail "the screen stayed black (lit fraction $(lit_fraction "$WORK/shot.png"))"

# The window covers the screen's available area (there is no window manager here).
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
wid=$(xdotool search --onlyvisible --name Parvolune | head -1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" = "$sw" ] && [ "$HEIGHT" = "$sh" ] || fail "window is ${WIDTH}x${HEIGHT}, screen ${sw}x${sh}"

# A second copy ends at once, with code 0, and leaves the first running.
timeout "$HANG_LIMIT" env "$GAME" >"$WORK/second.log" 2>&1
code=$?
[ "$code" = 0 ] || fail "second copy ended with $code"
kill -0 "$GAME_PID" 2>/dev/null || fail "the first copy ended"

[ -f "$INI" ] || fail "no settings file at $INI"
for key in "Show Water=1" "Show Light=1" "Show Terra=1" "FRONT GUDING=1" "FRONTCOLOR=16777215" \
           "FRONT MANJIANBIAN=0" "FRONT COLOR1=16777215" "FRONT COLOR2=16777215" "FRONT AUTOJIANBIAN=0" \
           "CHECK LOCKFORE=0" "LOCKFORE ROT=0" "BACK GUDING=1" "BACKCOLOR=0" "BACK MANJIANBIAN=0" \
           "BACK COLOR1=65280" "BACK COLOR2=0" "BACK AUTOJIANBIAN=0" "CHECK LOCKBACK=0" "LOCKBACK ROT=0" \
           "YINLIANG=32767.5" "QIPAONUM=100" "BACKGROUND=0" "FOGNONGDU=1" "LIGHTQIANGDU=1"; do
  grep -qx "$key"$'\r' "$INI" || fail "settings file lacks '$key'"
done
for k in $(seq 0 24); do grep -qE "^Fish$k=[01]"$'\r$' "$INI" || fail "no Fish$k"; done
for k in $(seq 0 16); do grep -qE "^Plants$k=[01]"$'\r$' "$INI" || fail "no Plants$k"; done

keep_pressing Escape "$wid"
[ "$EXIT_CODE" = 0 ] || fail "Esc ended the game with '$EXIT_CODE'"

# A second start reads the file back and leaves it as it is.
cp "$INI" "$WORK/first.ini"
start_game
wait_window Parvolune
wait_lit "$WORK/second.png" || fail "the second start stays black"
keep_pressing Escape
[ "$EXIT_CODE" = 0 ] || fail "second start ended with '$EXIT_CODE'"
cmp -s "$INI" "$WORK/first.ini" || fail "the second start changed the settings file"
echo "PASS"
