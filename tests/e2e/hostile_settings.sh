#!/usr/bin/env bash
# The game under hostile settings files and set-ups: each start shows its
# window within the time limit, keeps the player's settings, says in one line
# what it ignores, and leaves nothing behind that it does not use again.
set -u
source "$(dirname "$0")/lib.sh" "$1"

KEYS=("Show Water=1" "Show Light=1" "Show Terra=1" "FRONT GUDING=1" "FRONTCOLOR=16777215"
      "FRONT MANJIANBIAN=0" "FRONT COLOR1=16777215" "FRONT COLOR2=16777215" "FRONT AUTOJIANBIAN=0"
      "CHECK LOCKFORE=0" "LOCKFORE ROT=0" "BACK GUDING=1" "BACKCOLOR=0" "BACK MANJIANBIAN=0"
      "BACK COLOR1=65280" "BACK COLOR2=0" "BACK AUTOJIANBIAN=0" "CHECK LOCKBACK=0" "LOCKBACK ROT=0"
      "YINLIANG=32767.5" "QIPAONUM=100" "BACKGROUND=0" "FOGNONGDU=1" "LIGHTQIANGDU=1")

# player_file FILE [ENDS...]: a complete settings file of a tank without fish
# or plants; its lines end in the given line ends in turn (CR LF by default).
player_file() {
  local file="$1"; shift
  local ends=("${@:-\r\n}") lines=("[Aquarium Settings]" "${KEYS[@]}" "[Fish Number]") i=0 line
  for k in $(seq 0 24); do lines+=("Fish$k=0"); done
  lines+=("[Plants Number]")
  for k in $(seq 0 16); do lines+=("Plants$k=0"); done
  for line in "${lines[@]}"; do
    printf '%s%b' "$line" "${ends[i++ % ${#ends[@]}]}"
  done > "$file"
}

# new_case NAME: a settings folder of its own for the case.
new_case() {
  CASE="$1"
  export XDG_CONFIG_HOME="$WORK/$CASE/config"
  FOLDER="$XDG_CONFIG_HOME/parvolune"
  INI="$FOLDER/Quenmarl.ini"
  mkdir -p "$FOLDER"
}

# started WINDOW [COMMAND...]: starts the game (through COMMAND) and waits for
# its window (a start that hangs on a hostile file never shows it).
started() {
  local window="$1"; shift
  local t0; t0=$(date +%s%N)
  start_game "$@"
  wait_window "$window"
  echo "$CASE: window '$window' after $(( ($(date +%s%N) - t0) / 1000000 )) ms"
}

# quit WINDOW: Esc in that window ends the game with code 0.
quit() {
  local wid; wid=$(xdotool search --onlyvisible --name "$1" | head -1)
  xdotool windowfocus --sync "$wid" 2>/dev/null
  keep_pressing Escape "$wid"
  [ "$EXIT_CODE" = 0 ] || fail "$CASE: ended with '$EXIT_CODE'"
}

# said_once TEXT: the game said TEXT on exactly one line, and nothing else.
said_once() {
  local lines; lines=$(grep -c . "$WORK/game.log")
  grep -qF -- "$1" "$WORK/game.log" && [ "$lines" = 1 ] || fail "$CASE: expected one line saying '$1'"
}

# nothing_left: the temporary folders are empty and no temporary file of a
# rewrite is left beside the settings.
nothing_left() {
  local left; left=$(find "$TMPDIR" "$XDG_RUNTIME_DIR/parvolune-tmp" -mindepth 1 2>/dev/null)
  [ -z "$left" ] || fail "$CASE: left behind: $left"
  left=$(find "$WORK/$CASE" -name '.Quenmarl.ini.*.tmp' ! -name "$KEEP")
  [ -z "$left" ] || fail "$CASE: left behind: $left"
}
KEEP="-"

has_defaults() {
  for key in "${KEYS[@]}"; do grep -qx "$key"$'\r' "$1" || fail "$CASE: $1 lacks '$key'"; done
}

# A plain first start.
new_case plain
started Parvolune
quit Parvolune
has_defaults "$INI"
nothing_left

# Files that are not settings files: never opened for good, never written.
for kind in fifo zero huge; do
  new_case "$kind"
  case "$kind" in
    fifo) mkfifo "$INI"; why="not a regular file" ;;
    zero) ln -s /dev/zero "$INI"; why="not a regular file" ;;
    huge) truncate -s 40M "$INI"; why="larger than 32 MiB" ;;
  esac
  started Parvolune
  said_once "$INI is ignored: $why"
  quit Parvolune
  case "$kind" in
    fifo) [ -p "$INI" ] || fail "fifo: the FIFO is gone" ;;
    zero) [ "$(readlink "$INI")" = /dev/zero ] || fail "zero: the link changed" ;;
    huge) [ "$(stat -c %s "$INI")" = $((40 << 20)) ] || fail "huge: the file changed" ;;
  esac
  [ "$(ls -A "$FOLDER")" = Quenmarl.ini ] || fail "$kind: written beside it: $(ls -A "$FOLDER")"
  nothing_left
done

# A read-only settings folder: the player's file is read, nothing is written anywhere.
new_case readonly
player_file "$INI"
cp "$INI" "$WORK/readonly/player.ini"
if [ "$(id -u)" = 0 ]; then
  # Permission bits do not bind root: a read-only mount does.
  started Parvolune unshare -m --propagation private sh -c \
    'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && shift && exec "$@"' sh "$FOLDER"
else
  chmod 500 "$FOLDER"
  started Parvolune
fi
quit Parvolune
chmod 700 "$FOLDER"
cmp -s "$INI" "$WORK/readonly/player.ini" || fail "readonly: the player's file changed"
[ "$(find "$WORK/readonly" "$XDG_RUNTIME_DIR" "$TMPDIR" -name Quenmarl.ini | wc -l)" = 1 ] || fail "readonly: a settings file was written elsewhere"
nothing_left

# A dangling link as the settings file: written through, the link kept.
new_case dangling
mkdir -p "$WORK/dangling/dotfiles"
ln -s ../../dotfiles/Quenmarl.ini "$INI"
started Parvolune
quit Parvolune
[ "$(readlink "$INI")" = ../../dotfiles/Quenmarl.ini ] || fail "dangling: the link was replaced"
has_defaults "$WORK/dangling/dotfiles/Quenmarl.ini"
nothing_left

# 20 MB of unrelated lines beside the settings: the game starts and keeps
# them (the profile's unit tests bound the processor time of such a file).
new_case big
player_file "$INI"
awk 'BEGIN { printf "[Unrelated]\r\n"; for (i = 0; i < 450000; i++) printf "unrelated line %d = some text of its own\r\n", i }' >> "$INI"
started Parvolune
quit Parvolune
nothing_left

# Temporary files of rewrites that a kill cut short: those of ended processes go.
new_case stale
player_file "$INI"
(exit 0) & dead=$!
wait "$dead"
touch "$FOLDER/.Quenmarl.ini.$dead-0.tmp" "$FOLDER/.Quenmarl.ini.$$-0.tmp"
KEEP=".Quenmarl.ini.$$-0.tmp"
started Parvolune
quit Parvolune
[ ! -e "$FOLDER/.Quenmarl.ini.$dead-0.tmp" ] || fail "stale: the file of an ended process stays"
[ -e "$FOLDER/.Quenmarl.ini.$$-0.tmp" ] || fail "stale: the file of a running process was removed"
nothing_left
KEEP="-"

# Line ends: CR alone, and the three mixed in one file.
for ends in 'cr:\r' 'mixed:\r \n \r\n'; do
  new_case "${ends%%:*}"
  read -r -a list <<< "${ends#*:}"
  player_file "$INI" "${list[@]}"
  started Parvolune
  quit Parvolune
  nothing_left
done

# Every rewrite is on the disk before it replaces the file.
new_case durable
start_game strace -f -qq -e trace=fsync,rename -o "$WORK/durable/trace"
wait_window Parvolune
quit Parvolune
awk '/fsync\(/ { synced[$1] = 1 }
     /rename\(".*\/\.Quenmarl\.ini\.[0-9]+-[0-9]+\.tmp"/ { n++; if (!synced[$1]) bad++; synced[$1] = 0 }
     END { exit !(n >= 1 && bad == 0) }' "$WORK/durable/trace" ||
  fail "durable: a rewrite was renamed into place before fsync"
nothing_left

# No home, no XDG variables, a user id without a password entry: one private
# place of the user's own keeps the settings and the lock.
if [ "$(id -u)" = 0 ]; then
  new_case homeless
  uid=54321
  while getent passwd "$uid" >/dev/null; do uid=$((uid + 1)); done
  home_tmp="$WORK/homeless/tmp"
  mkdir -p "$home_tmp" && chown "$uid:$uid" "$home_tmp" && chmod 700 "$home_tmp"
  chmod 711 "$WORK" "$WORK/homeless"
  xauth -f "${XAUTHORITY:-$HOME/.Xauthority}" nlist "$DISPLAY" | xauth -f "$WORK/homeless/xauth" nmerge - 2>/dev/null
  chown "$uid" "$WORK/homeless/xauth"
  as_homeless=(setpriv --reuid="$uid" --regid="$uid" --clear-groups env -i DISPLAY="$DISPLAY"
               XAUTHORITY="$WORK/homeless/xauth" TMPDIR="$home_tmp" SDL_AUDIODRIVER=dummy PATH=/usr/bin:/bin)
  place="$home_tmp/parvolune-$uid"
  started Parvolune "${as_homeless[@]}"
  timeout "$HANG_LIMIT" "${as_homeless[@]}" "$GAME" >"$WORK/homeless/second.log" 2>&1
  [ $? = 0 ] || fail "homeless: a second copy did not end at once with code 0"
  kill -0 "$GAME_PID" 2>/dev/null || fail "homeless: the first copy ended"
  quit Parvolune
  has_defaults "$place/Quenmarl.ini"
  cp "$place/Quenmarl.ini" "$WORK/homeless/first.ini"
  started Parvolune "${as_homeless[@]}"
  quit Parvolune
  cmp -s "$place/Quenmarl.ini" "$WORK/homeless/first.ini" || fail "homeless: the second start did not keep the settings"
  [ "$(stat -c %a "$place")" = 700 ] || fail "homeless: $place is not private"
  # Beside ours only the toolkit's runtime folder, which it finds again on every run.
  left=$(find "$home_tmp" -mindepth 1 -maxdepth 1 ! -name "parvolune-$uid" ! -name 'runtime-*')
  [ -z "$left" ] || fail "homeless: left behind: $left"
  chmod 700 "$WORK"
else
  echo "homeless: skipped (needs a user id without a password entry: run as root)"
fi

# No display: one line, status 1; also when the display answers
# the game's probe and then refuses the toolkit's own connection (here the
# toolkit is sent to another display).
CASE=nodisplay
for display in unset :7391 refused-after-the-probe; do
  if [ "$display" = unset ]; then
    timeout 120 env -u DISPLAY "$GAME" >"$WORK/game.log" 2>&1
  elif [ "$display" = refused-after-the-probe ]; then
    timeout 120 "$GAME" -display :7391 >"$WORK/game.log" 2>&1
  else
    timeout 120 env DISPLAY="$display" "$GAME" >"$WORK/game.log" 2>&1
  fi
  code=$?
  [ "$code" = 1 ] || fail "nodisplay ($display): ended with $code"
  said_once "cannot open the display"
done
echo "PASS"
