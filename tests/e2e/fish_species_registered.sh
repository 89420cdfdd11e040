#!/usr/bin/env bash
# Every fish species the game has registers itself: a tank holding fish of one
# species only is not empty (no "Game Over"), and its fish swim (the picture
# changes from one moment to the next).
set -u
source "$(dirname "$0")/lib.sh" "$1"

for species in 3 23; do
  mkdir -p "$XDG_CONFIG_HOME/parvolune"
  {
    printf '[Fish Number]\r\n'
    for k in $(seq 0 24); do n=0; [ "$k" = "$species" ] && n=10; printf 'Fish%d=%d\r\n' "$k" "$n"; done
    printf '[Plants Number]\r\n'
    for k in $(seq 0 16); do printf 'Plants%d=0\r\n' "$k"; done
  } > "$INI"

  start_game
  wait_window Parvolune
  sleep 3
  xdotool search --onlyvisible --name "Game Over" >/dev/null 2>&1 &&
    fail "species $species: the tank is empty (Game Over)"
  import -window root "$WORK/a.png"
  sleep 0.5
  import -window root "$WORK/b.png"
  moved=$(convert "$WORK/a.png" "$WORK/b.png" -compose difference -composite \
    -colorspace Gray -threshold 10% -format "%[fx:round(mean*w*h)]" info:)
  [ "$moved" -gt 200 ] || fail "species $species: nothing swims ($moved pixels changed)"
  kill -9 "$GAME_PID" 2>/dev/null
  wait "$GAME_PID" 2>/dev/null
  GAME_PID=""
  echo "species $species: $moved pixels changed"
done
echo "PASS"
