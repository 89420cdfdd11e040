#!/usr/bin/env bash
# A right click opens the command bar at the mouse; its first button is the
# feed tool; a click in the tank then drops food, which sinks from there.
set -u
source "$(dirname "$0")/lib.sh" "$1"

write_counts 23=1

# Pale yellow food pellets in a region of a screenshot.
pellets() {
  convert "$1" -crop "$2" +repage -fx "(r>0.7 && g>0.7 && b<r-0.1) ? 1 : 0" \
    -colorspace Gray -format "%[fx:round(mean*w*h)]" info:
}

start_game
wait_window Parvolune
sleep 4  # the help text goes after 100 frames
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
mx=$(( sw / 3 )); my=$(( sh / 3 ))
# From the click down: the food sinks.
region="200x$(( sh - my + 40 ))+$(( mx - 100 ))+$(( my - 40 ))"

xdotool mousemove "$mx" "$my" click 3
sleep 1
import -window root "$WORK/bar.png"
# The bar's first button (68 x 36 pixels) has its top-left corner at the mouse.
xdotool mousemove $(( mx + 34 )) $(( my + 18 )) click 1
sleep 0.5
xdotool mousemove "$mx" "$my"
sleep 0.3
import -window root "$WORK/before.png"
before=$(pellets "$WORK/before.png" "$region")
xdotool click 1
# The most pellets seen in a few shots while they sink.
fed=0
for shot in 1 2 3 4 5 6; do
  sleep 0.4
  import -window root "$WORK/fed.png"
  n=$(pellets "$WORK/fed.png" "$region")
  [ "$n" -gt "$fed" ] && fed=$n
done
[ "$fed" -gt $(( before + 15 )) ] || fail "no food fell from the click ($before pale pixels before, $fed after)"

xdotool key Escape
wait_exit 10
[ "$EXIT_CODE" = 0 ] || fail "Esc ended the game with '$EXIT_CODE'"
echo "PASS (food pixels $before -> $fed)"
