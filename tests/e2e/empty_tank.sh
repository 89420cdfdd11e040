#!/usr/bin/env bash
# A tank without fish is played, not lost: after Clear in the Fish dialog, and
# at the next start from the settings file that Clear left, the tank is drawn,
# no "Game Over" comes (also after F2), the command bar opens its dialogs and
# F3 opens the plants; Esc ends the game with code 0.
set -u
source "$(dirname "$0")/lib.sh" "$1"

mx=200; my=150

# frames_go_on: the picture changes from shot to shot (the bubbles rise) five
# times, so frames are being drawn.
frames_go_on() {
  local changes=0 d
  import -window root "$WORK/prev.png"
  for _ in $(seq 1 300); do
    sleep 0.1
    import -window root "$WORK/next.png" || continue
    d=$(convert "$WORK/prev.png" "$WORK/next.png" -compose difference -composite \
      -colorspace Gray -threshold 10% -format "%[fx:round(mean*w*h)]" info:)
    [ "$d" -gt 20 ] && changes=$(( changes + 1 ))
    mv "$WORK/next.png" "$WORK/prev.png"
    [ "$changes" -ge 5 ] && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"
  done
  fail "$1: no frames are drawn"
}

# played WHEN: frames go on, the floor is drawn and no Game Over box is up.
played() {
  frames_go_on "$1"
  xdotool search --onlyvisible --name "Game Over" >/dev/null 2>&1 && fail "$1: Game Over"
  awk -v f="$(lit_fraction "$WORK/prev.png")" 'BEGIN { exit !(f > 0.1) }' ||
    fail "$1: the tank is not drawn (lit fraction $(lit_fraction "$WORK/prev.png"))"
  echo "$1: played"
}

# wait_gone NAME: waits until no window of that name is mapped.
wait_gone() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window '$1' stays"
}

# fish_dialog_from_the_bar: a right click opens the command bar; its third
# button (68 pixels wide at 132 from the bar's left) opens the Fish settings.
fish_dialog_from_the_bar() {
  for _ in 1 2 3 4 5; do
    xdotool mousemove "$mx" "$my" click 3
    sleep 1
    xdotool mousemove $(( mx + 166 )) $(( my + 18 )) click 1
    for _ in $(seq 1 30); do
      xdotool search --onlyvisible --name "Fish Settings" >/dev/null 2>&1 && return 0
      sleep 0.1
    done
  done
  fail "the command bar did not open the Fish settings"
}

# plants_with_f3: F3 opens the Plants settings; Esc closes them.
plants_with_f3() {
  xdotool key F3
  wait_window "Plants Settings"
  sleep 0.3
  xdotool key Escape
  wait_gone "Plants Settings"
}

quit_game() {
  xdotool key Escape
  wait_exit 10
  [ "$EXIT_CODE" = 0 ] || fail "$1: Esc ended the game with '$EXIT_CODE'"
}

# One clownfish, then Clear.
write_counts 23=1
start_game
wait_window Parvolune
wait_lit "$WORK/start.png" 20 || fail "the tank stays black"
fish_dialog_from_the_bar
sleep 0.5
xdotool key c
for _ in $(seq 1 100); do
  grep -q "Fish23=0" "$INI" && break
  sleep 0.1
done
grep -q "Fish23=0" "$INI" || fail "Clear left the clownfish in the settings file: $(grep Fish23 "$INI")"
xdotool key Escape
wait_gone "Fish Settings"
played "after Clear"
plants_with_f3
xdotool key F2
played "after Clear and F2"
quit_game "after Clear"

# The next start reads the tank that Clear left.
[ "$(grep -c '^Fish[0-9]*=0' "$INI")" = 25 ] || fail "the settings file does not hold an empty tank"
start_game
wait_window Parvolune
wait_lit "$WORK/start.png" 20 || fail "the empty tank stays black"
played "at the start of an empty tank"
fish_dialog_from_the_bar
sleep 0.3
xdotool key Escape
wait_gone "Fish Settings"
plants_with_f3
xdotool key F2
played "an empty tank after F2"
quit_game "an empty tank"
echo "PASS"
