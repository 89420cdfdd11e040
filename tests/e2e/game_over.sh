#!/usr/bin/env bash
# Shooting the last clownfish opens "Game Over"; "Exit" (Esc) ends the game
# in order, with code 0. The cannon is aimed at the fish as a player would:
# from where its orange shows on the screen.
set -u
source "$(dirname "$0")/lib.sh" "$1"

write_counts 23=1
start_game
wait_window Parvolune
wait_lit "$WORK/start.png" 20 || fail "the tank stays black"
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')

# fish_at FILE: the centre of the largest patch of clownfish orange, in
# screen pixels ("x y"), or nothing.
fish_at() {
  convert "$1" -fuzz 22% -fill black +opaque "rgb(235,110,30)" -fill white -opaque "rgb(235,110,30)" \
    -colorspace Gray -threshold 50% -define connected-components:verbose=true \
    -define connected-components:area-threshold=30 -connected-components 8 null: 2>/dev/null |
    awk '$NF == "gray(255)" && $4 > best { best = $4; split($3, c, ","); xy = c[1] " " c[2] } END { if (xy) print xy }'
}

# aim_for X Y: the aim, in whole steps of 5 degrees, at which a shot from the
# cannon (drawn at x 0, y -20, 72.5 in front of the eye) passes the fish seen
# at screen point (X, Y), taken at the cannon's depth (new fish swim there).
aim_for() {
  awk -v px="$1" -v py="$2" -v w="$sw" -v h="$sh" 'BEGIN {
    d = 72.5; a = w / h
    if (w > h) { hx = 0.4 * a * d; hy = 0.4 * d } else { hx = 0.4 * d; hy = 0.4 * d / a }
    x = (px - w / 2) / (w / 2) * hx; y = (h / 2 - py) / (h / 2) * hy
    t = atan2(-x, y + 20) * 180 / 3.14159265
    s = int((t < 0 ? t - 2.5 : t + 2.5) / 5) * 5
    if (s > 90) s = 90; if (s < -90) s = -90
    print s }'
}

game_over_up() { xdotool search --onlyvisible --name "Game Over" >/dev/null 2>&1; }

angle=0  # Left fires and then turns 5 degrees toward -x, Right toward +x
for try in $(seq 1 40); do
  game_over_up && break
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"
  import -window root "$WORK/aim.png" 2>/dev/null || continue
  read -r fx fy < <(fish_at "$WORK/aim.png")
  [ -n "${fx:-}" ] || { sleep 0.5; continue; }
  want=$(aim_for "$fx" "$fy")
  while [ "$angle" -lt "$want" ]; do xdotool key Left; angle=$(( angle + 5 )); done
  while [ "$angle" -gt "$want" ]; do xdotool key Right; angle=$(( angle - 5 )); done
  # Shots on their way from turning leave room for two at the aim and the
  # step beside it: a fifth press with four in flight clears them.
  sleep 1.5
  game_over_up && break
  xdotool key Left
  sleep 0.2
  xdotool key Right
  sleep 1.5
done
game_over_up || fail "the clownfish was not hit in $try tries"
echo "Game Over after $try tries"

wid=$(xdotool search --onlyvisible --name "Game Over" | head -1)
xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool key --window "$wid" Escape 2>/dev/null || xdotool key Escape
wait_exit 10
[ "$EXIT_CODE" = 0 ] || fail "Exit ended the game with '$EXIT_CODE'"
echo "PASS"
