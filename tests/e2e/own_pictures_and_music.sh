#!/usr/bin/env bash
# The player's own pictures and music kept in the settings file: at the
# start the pictures cycle on the back wall and the tracks play in order
# (the playlist greys the playing row); F3, F4 and F5 open the Plants,
# Background and Music dialogs; after a restart both lists are back.
set -u
source "$(dirname "$0")/lib.sh" "$1"

# Three pictures of one colour each, two WAV tracks of 1.5 s of silence.
for c in red:ff2020 green:20d020 blue:2020ff; do
  convert -size 320x240 "xc:#${c#*:}" "$WORK/${c%%:*}.png" || fail "no picture"
done
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
wav() {
  local bytes=$((22050 * 2 * 3 / 2))
  { printf 'RIFF'; le32 $((36 + bytes)); printf 'WAVEfmt '; le32 16; printf '\x01\x00\x01\x00'; le32 22050
    le32 44100; printf '\x02\x00\x10\x00data'; le32 $bytes; head -c $bytes /dev/zero; } > "$1"
}
wav "$WORK/one.wav"
wav "$WORK/two.wav"

write_counts 23=1
{
  printf '[Custom Images]\r\nRandomImage=0\r\nCycImage=1\r\nRepeatImage=0\r\nOwnImage=1\r\nImageTime=1\r\n'
  printf 'ImageSum=3\r\nImageList0=%s\r\nImageList1=%s\r\nImageList2=%s\r\n' "$WORK/red.png" "$WORK/green.png" "$WORK/blue.png"
  printf '[Custom Settings]\r\nRandomMusic=0\r\nCycMusic=1\r\nRepeatMusic=0\r\nOwnMusic=1\r\n'
  printf 'MusicSum=2\r\nMusicList0=%s\r\nMusicList1=%s\r\n' "$WORK/one.wav" "$WORK/two.wav"
} >> "$INI"
cp "$INI" "$WORK/before.ini"

# The colour of the back wall: red, green or blue when most of a few points
# clear of the bubbles and the fish show it, else "other".
wall() {
  local file=$1 votes="" x y
  read -r w h < <(identify -format "%w %h" "$file")
  for at in "30 15" "70 15" "50 35" "85 60" "35 60"; do
    read -r x y <<<"$at"
    votes+=$(convert "$file" -format "%[fx:int(255*p{$((w * x / 100)),$((h * y / 100))}.r)] %[fx:int(255*p{$((w * x / 100)),$((h * y / 100))}.g)] %[fx:int(255*p{$((w * x / 100)),$((h * y / 100))}.b)]" info: |
      awk '{ if ($1 > $2 + 80 && $1 > $3 + 80) print "red"; else if ($2 > $1 + 80 && $2 > $3 + 80) print "green";
             else if ($3 > $1 + 80 && $3 > $2 + 80) print "blue"; else print "other" }')$'\n'
  done
  printf '%s' "$votes" | sort | uniq -c | sort -rn | awk 'NR == 1 { print ($1 >= 4 ? $2 : "other") }'
}

# The rows of the playing track: the first y (from the dialog's top) of a
# line that is mostly the playlist's grey.
grey_row() {
  local wid geometry
  wid=$(xdotool search --onlyvisible --name "3D Parvolune - Music Settings" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$WORK/music.png"
  convert "$WORK/music.png" -fill black -fuzz 1% +opaque "rgb(200,200,200)" -fill white -opaque "rgb(200,200,200)" \
    -colorspace Gray -scale "1x${HEIGHT}!" -depth 8 txt:- |
    awk -F'[,:() ]+' 'NR > 1 && $4 > 100 { print $2; exit }'
}

start_game
wait_window Parvolune
sleep 3
seen=""
for i in 1 2 3 4; do
  import -window root "$WORK/wall$i.png"
  seen+="$(wall "$WORK/wall$i.png") "
  sleep 0.7
done
cp "$WORK/wall1.png" "$WORK/wall_first.png"
for c in $seen; do [ "$c" != other ] || fail "the back wall did not show a picture (saw: $seen)"; done
[ "$(tr ' ' '\n' <<<"$seen" | sort -u | grep -c .)" -ge 2 ] || fail "the pictures did not change (saw: $seen)"

# F5: the Music dialog, the tracks playing in order.
xdotool key F5
wait_window "3D Parvolune - Music Settings"
sleep 0.3
first=$(grey_row)
[ -n "$first" ] || fail "no track is playing"
rows="$first"
for _ in $(seq 1 20); do
  sleep 0.2
  r=$(grey_row)
  [ -n "$r" ] && [ "$r" != "${rows##* }" ] && rows+=" $r"
done
read -r -a ys <<<"$rows"
[ "${#ys[@]}" -ge 2 ] || fail "the playing row did not move on (rows at $rows)"
[ $(( ys[1] > ys[0] )) = 1 ] || [ $(( ys[2] > ys[1] )) = 1 ] 2>/dev/null || fail "the tracks did not play in order (rows at $rows)"
if [ -n "${PV_SCREENSHOT_DIR:-}" ]; then
  cp "$WORK/music.png" "$PV_SCREENSHOT_DIR/music_playing.png"
  cp "$WORK/wall_first.png" "$PV_SCREENSHOT_DIR/back_wall_in_game.png"
fi
xdotool key Escape
sleep 0.3

# F4 and F3 open the other two.
xdotool key F4
wait_window "3D Parvolune - Background Settings"
[ -n "${PV_SCREENSHOT_DIR:-}" ] && import -window root "$PV_SCREENSHOT_DIR/background_in_game.png"
xdotool key Escape
sleep 0.3
xdotool key F3
wait_window "3D Parvolune - Plants Settings"
[ -n "${PV_SCREENSHOT_DIR:-}" ] && import -window root "$PV_SCREENSHOT_DIR/plants_in_game.png"
xdotool key Escape
sleep 0.5
xdotool key Escape
wait_exit 10
[ "$EXIT_CODE" = 0 ] || fail "Esc ended the game with '$EXIT_CODE'"
for key in "ImageSum=3" "ImageList2=$WORK/blue.png" "MusicSum=2" "MusicList1=$WORK/two.wav" "OwnMusic=1" "OwnImage=1"; do
  grep -qx "$key"$'\r' "$INI" || fail "the settings file lost '$key'"
done

# After a restart: the pictures on the wall again.
start_game
wait_window Parvolune
sleep 3
import -window root "$WORK/again.png"
[ "$(wall "$WORK/again.png")" != other ] || fail "no picture on the back wall after a restart"
xdotool key Escape
wait_exit 10
echo "PASS (wall: $seen; playing rows at $rows)"
