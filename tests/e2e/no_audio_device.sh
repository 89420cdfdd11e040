#!/usr/bin/env bash
# With no audio device at all the game runs, silently.
set -u
source "$(dirname "$0")/lib.sh" "$1"

start_game SDL_AUDIODRIVER=alsa AUDIODEV=/nonexistent ALSA_CONFIG_PATH=/nonexistent
wait_window Parvolune
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"
xdotool key Escape
wait_exit 10
[ "$EXIT_CODE" = 0 ] || fail "ended with '$EXIT_CODE'"
echo "PASS"
