#!/usr/bin/env bash
# The command bar's "Add/Delete Fish" button opens the Fish settings; five
# clownfish added to their slot swim in the tank while the dialog is open,
# are in the settings file, and are there again after a restart.
set -u
source "$(dirname "$0")/lib.sh" "$1"

write_counts 3=1

# Pixels of the clownfish's orange in a screenshot, with the given rectangles
# ("x0,y0 x1,y1") blacked out.
orange() {
  local file=$1; shift
  local draw=()
  for r in "$@"; do draw+=(-draw "rectangle $r"); done
  convert "$file" -fill black "${draw[@]}" -fuzz 22% -fill black +opaque "rgb(235,110,30)" \
    -fill white -opaque "rgb(235,110,30)" -colorspace Gray -format "%[fx:round(mean*w*h)]" info:
}

start_game
wait_window Parvolune
sleep 4
mx=200; my=150
bar="$mx,$my $(( mx + 606 )),$(( my + 40 ))"
import -window root "$WORK/start.png"
start=$(orange "$WORK/start.png")

xdotool mousemove "$mx" "$my" click 3
sleep 1
# The third button: 68 pixels wide at 132 from the bar's left.
xdotool mousemove $(( mx + 166 )) $(( my + 18 )) click 1
wait_window "Fish Settings"
sleep 0.5
wid=$(xdotool search --onlyvisible --name "Fish Settings" | head -1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
dialog="$X,$Y $(( X + WIDTH )),$(( Y + HEIGHT ))"
# Species 23's cell: column 3 of row 4, from (2, 32) in cells of 100 x 90.
xdotool mousemove $(( X + 2 + 3 * 100 + 50 )) $(( Y + 32 + 4 * 90 + 45 )) click 1
for _ in 1 2 3 4 5; do xdotool key a; sleep 0.05; done
# The most orange seen over a few seconds: new fish may swim behind the
# dialog or the bar at first.
most_orange() {
  local best=0 n
  for _ in 1 2 3 4 5 6; do
    sleep 0.75
    import -window root "$WORK/shot.png"
    n=$(orange "$WORK/shot.png" "$@")
    [ "$n" -gt "$best" ] && best=$n
  done
  echo "$best"
}
open=$(most_orange "$bar" "$dialog")
grep -q "Fish23=5" "$INI" || fail "the settings file does not hold the five clownfish: $(grep Fish23 "$INI")"
[ "$open" -gt $(( start + 1500 )) ] || fail "no clownfish came into the tank ($start orange pixels before, $open after)"

xdotool key Escape   # the dialog
sleep 0.5
xdotool key Escape   # the game
wait_exit 10
[ "$EXIT_CODE" = 0 ] || fail "Esc ended the game with '$EXIT_CODE'"
grep -q "Fish23=5" "$INI" || fail "the count was lost at exit"

start_game
wait_window Parvolune
sleep 2
again=$(most_orange)
[ "$again" -gt $(( start + 1500 )) ] || fail "the clownfish did not come back after a restart ($again orange pixels)"
xdotool key Escape
wait_exit 10
echo "PASS (orange $start -> $open, after a restart $again)"
