#!/usr/bin/env bash
# Playing: the arrows turn the cannon and fire; shots hit fish, which vanish;
# F2 brings every hit fish back at once, so the clownfish orange on screen
# grows back by far more than swimming alone changes it.
set -u
source "$(dirname "$0")/lib.sh" "$1"

mkdir -p "$XDG_CONFIG_HOME/parvolune"
{
  printf '[Fish Number]\r\n'
  for k in $(seq 0 24); do n=0; [ "$k" = 23 ] && n=40; printf 'Fish%d=%d\r\n' "$k" "$n"; done
  printf '[Plants Number]\r\n'
  for k in $(seq 0 16); do printf 'Plants%d=0\r\n' "$k"; done
} > "$INI"

# Pixels of the clownfish's orange in a screenshot.
orange() {
  convert "$1" -fuzz 22% -fill white -opaque "rgb(235,110,30)" -fill black +opaque white \
    -colorspace Gray -format "%[fx:round(mean*w*h)]" info:
}

start_game
wait_window Parvolune
wait_lit "$WORK/lit.png" || fail "the tank stays black"
start_orange=$(orange "$WORK/lit.png")

# The cannon stands at the bottom middle; Left turns it (and fires).
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
crop="120x120+$(( sw / 2 - 60 ))+$(( sh * 3 / 4 ))"
import -window root "$WORK/before.png"
xdotool key Left
turned() {
  import -window root "$WORK/turned.png" || return 1
  changed=$(convert "$WORK/before.png" "$WORK/turned.png" -crop "$crop" -compose difference -composite \
    -colorspace Gray -threshold 20% -format "%[fx:round(mean*w*h)]" info:)
  [ "$changed" -gt 20 ]
}
wait_until turned || fail "the cannon did not turn ($changed pixels changed around it)"

# A click in the shoot tool changes nothing a player sees.
xdotool mousemove $(( sw / 2 )) $(( sh / 3 )) click 1

# Sweep the tank with single shots, left, right and back; then wait until the
# shots have hit enough fish for their return to show (a slow machine draws
# the frames late).
for key in $(printf 'Left %.0s' $(seq 1 17)) $(printf 'Right %.0s' $(seq 1 36)) $(printf 'Left %.0s' $(seq 1 18)); do
  xdotool key "$key"
  sleep 0.05
done
hit() {
  import -window root "$WORK/shot.png" || return 1
  after=$(orange "$WORK/shot.png")
  awk -v a="$after" -v s="$start_orange" 'BEGIN { exit !(a * 1.3 + 500 < s * 0.9) }'
}
wait_until hit || fail "the shots hit too few fish: orange $start_orange at the start, $after after the sweep"
xdotool key F2
revived() {
  import -window root "$WORK/revived.png" || return 1
  revived=$(orange "$WORK/revived.png")
  awk -v a="$after" -v r="$revived" 'BEGIN { exit !(r > a * 1.3 + 500) }'
}
wait_until revived || fail "no fish came back with F2: orange $after before, $revived after"

keep_pressing Escape
[ "$EXIT_CODE" = 0 ] || fail "Esc ended the game with '$EXIT_CODE'"
echo "PASS (orange $start_orange -> $after -> $revived, cannon $changed)"
