#!/usr/bin/env bash
# A tank with no fish opens "Game Over" at once; "Exit" (Esc) ends the game
# in order, with code 0.
set -u
source "$(dirname "$0")/lib.sh" "$1"

mkdir -p "$XDG_CONFIG_HOME/parvolune"
{
  printf '[Fish Number]\r\n'
  for k in $(seq 0 24); do printf 'Fish%d=0\r\n' "$k"; done
  printf '[Plants Number]\r\n'
  for k in $(seq 0 16); do printf 'Plants%d=0\r\n' "$k"; done
} > "$INI"

start_game
wait_window "Game Over"
sleep 0.5
wid=$(xdotool search --onlyvisible --name "Game Over" | head -1)
xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool key --window "$wid" Escape 2>/dev/null || xdotool key Escape
wait_exit 10
[ "$EXIT_CODE" = 0 ] || fail "Exit ended the game with '$EXIT_CODE'"
echo "PASS"
