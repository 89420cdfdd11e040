#!/usr/bin/env bash
# The player's lists holding files that cannot be used: a FIFO, a link to a
# device, a folder, a file on a drive not mounted, a picture whose header
# claims a huge size, a WAV of 0 channels, a name that ends in a space. The
# tank shows and goes on; one message names the files that could not be used;
# the good picture reaches the back wall and the good track plays; the lists
# come back whole in the settings file after the game saves them.
set -u
source "$(dirname "$0")/lib.sh" "$1"

M="$WORK/media"
mkdir -p "$M/folder.bmp" "$M/folder.flac"
convert -size 320x240 "xc:#2020ff" "$M/blue.png" || fail "no picture"
convert -size 320x240 "xc:#20d020" "$M/green.png" && mv "$M/green.png" "$M/green ends in a space.png " || fail "no picture"
mkfifo "$M/fifo.jpg" "$M/fifo.mp3"
ln -s /dev/zero "$M/zero.png"
ln -s /dev/urandom "$M/random.ogg"
# A small JPEG whose frame header claims 16384 x 4096 pixels.
convert -size 64x64 "xc:#d02020" "$M/small.jpg"
python3 - "$M/small.jpg" "$M/huge.jpg" <<'PY'
import sys
b = bytearray(open(sys.argv[1], 'rb').read())
i = b.find(b'\xff\xc0')
b[i + 5:i + 9] = (4096).to_bytes(2, 'big') + (16384).to_bytes(2, 'big')
open(sys.argv[2], 'wb').write(b)
PY
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
# wav FILE CHANNELS: 1.5 s of silence, 16-bit, 22050 Hz.
wav() {
  local bytes=$((22050 * 2 * 3 / 2))
  { printf 'RIFF'; le32 $((36 + bytes)); printf 'WAVEfmt '; le32 16; printf '\x01\x00'; printf "\\x0$2\\x00"; le32 22050
    le32 44100; printf '\x02\x00\x10\x00data'; le32 $bytes; head -c $bytes /dev/zero; } > "$1"
}
wav "$M/good.wav" 1
wav "$M/mute.wav" 0

pictures=("$M/blue.png" "$M/fifo.jpg" "$M/zero.png" "$M/folder.bmp" "/media/unplugged/reef.jpg" "$M/huge.jpg"
          "$M/green ends in a space.png ")
tracks=("$M/good.wav" "$M/mute.wav" "$M/fifo.mp3" "$M/random.ogg" "$M/folder.flac" "/media/unplugged/song.mp3")
bad=("$M/fifo.jpg" "$M/zero.png" "$M/folder.bmp" "/media/unplugged/reef.jpg" "$M/mute.wav" "$M/fifo.mp3"
     "$M/random.ogg" "$M/folder.flac" "/media/unplugged/song.mp3")

write_counts 23=1
{
  printf '[Custom Images]\r\nCycImage=1\r\nOwnImage=1\r\nImageTime=1\r\nImageSum=%d\r\n' ${#pictures[@]}
  for i in "${!pictures[@]}"; do
    p=${pictures[$i]}
    [ "${p% }" != "$p" ] && p="\"$p\""  # a name ending in a space is kept in quotes
    printf 'ImageList%d=%s\r\n' "$i" "$p"
  done
  printf '[Custom Settings]\r\nCycMusic=1\r\nRepeatMusic=0\r\nOwnMusic=1\r\nMusicSum=%d\r\n' ${#tracks[@]}
  for i in "${!tracks[@]}"; do printf 'MusicList%d=%s\r\n' "$i" "${tracks[$i]}"; done
} >> "$INI"

t0=$(date +%s%N)
start_game
wait_window Parvolune
wait_lit "$WORK/first.png" 60 || fail "the tank was never drawn"
echo "tank drawn after $(( ($(date +%s%N) - t0) / 1000000 )) ms"

# One message box (a second window of the game's title), and only one.
box=""
for _ in $(seq 1 600); do
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"
  mapfile -t wins < <(xdotool search --onlyvisible --name '^Parvolune$' 2>/dev/null)
  if [ "${#wins[@]}" -ge 2 ]; then box=yes; break; fi
  sleep 0.1
done
[ -n "$box" ] || fail "no message about the files that cannot be used"
echo "message after $(( ($(date +%s%N) - t0) / 1000000 )) ms"
[ -n "${PV_SCREENSHOT_DIR:-}" ] && import -window root "$PV_SCREENSHOT_DIR/hostile_lists_message.png"
xdotool key Return
for _ in $(seq 1 100); do
  mapfile -t wins < <(xdotool search --onlyvisible --name '^Parvolune$' 2>/dev/null)
  [ "${#wins[@]}" -le 1 ] && break
  sleep 0.1
done
[ "${#wins[@]}" -le 1 ] || fail "the message did not close"
sleep 3
mapfile -t wins < <(xdotool search --onlyvisible --name '^Parvolune$' 2>/dev/null)
[ "${#wins[@]}" -le 1 ] || fail "a second message came"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"

# The good pictures reach the back wall: blue or green over most of the top.
seen=""
for _ in $(seq 1 40); do
  import -window root "$WORK/wall.png"
  c=$(convert "$WORK/wall.png" -crop 60%x20%+20%+5% -scale 1x1! -format "%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]" info:)
  read -r r g b <<<"$c"
  if [ "$b" -gt $((r + 60)) ] && [ "$b" -gt $((g + 60)) ]; then seen+="blue "; fi
  if [ "$g" -gt $((r + 60)) ] && [ "$g" -gt $((b + 60)) ]; then seen+="green "; fi
  [[ "$seen" == *blue* && "$seen" == *green* ]] && break
  sleep 0.25
done
[[ "$seen" == *blue* ]] || fail "the good picture never showed (saw: $seen)"
[[ "$seen" == *green* ]] || fail "the picture whose name ends in a space never showed (saw: $seen)"
[ -n "${PV_SCREENSHOT_DIR:-}" ] && cp "$WORK/wall.png" "$PV_SCREENSHOT_DIR/hostile_lists_wall.png"

# F5 and Esc: the Music dialog saves its list; Esc ends the game, which saves the pictures' list too.
xdotool key F5
wait_window "3D Parvolune - Music Settings"
[ -n "${PV_SCREENSHOT_DIR:-}" ] && import -window root "$PV_SCREENSHOT_DIR/hostile_lists_music.png"
xdotool key Escape
sleep 0.5
xdotool key F4
wait_window "3D Parvolune - Background Settings"
[ -n "${PV_SCREENSHOT_DIR:-}" ] && import -window root "$PV_SCREENSHOT_DIR/hostile_lists_pictures.png"
xdotool key Escape
sleep 0.5
xdotool key Escape
wait_exit 20
[ "$EXIT_CODE" = 0 ] || fail "Esc ended the game with '$EXIT_CODE'"
grep -qx "ImageSum=${#pictures[@]}"$'\r' "$INI" || fail "the pictures' list lost entries"
grep -qx "MusicSum=${#tracks[@]}"$'\r' "$INI" || fail "the music list lost entries"
grep -qxF "ImageList4=/media/unplugged/reef.jpg"$'\r' "$INI" || fail "the picture on the drive not mounted was dropped"
grep -qxF "ImageList6=\"$M/green ends in a space.png \""$'\r' "$INI" || fail "the name ending in a space was not kept"
grep -qxF "MusicList1=$M/mute.wav"$'\r' "$INI" || fail "the WAV of 0 channels was dropped"
echo "PASS (wall: $seen)"
