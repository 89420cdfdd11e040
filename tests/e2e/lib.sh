# Helpers for end-to-end tests of the real game under an X display.
# Each test sources this file with the game's path as $1.

GAME="$1"
# A folder of this test's own, named by its process; those of tests that were
# killed before they could remove theirs go first.
for stale in /tmp/pv-e2e-*-*; do
  pid="${stale#/tmp/pv-e2e-}"
  pid="${pid%%-*}"
  [ -d "$stale" ] && [ -O "$stale" ] && [[ "$pid" =~ ^[0-9]+$ ]] && ! kill -0 "$pid" 2>/dev/null && rm -rf "$stale"
done
WORK="$(mktemp -d "/tmp/pv-e2e-$$-XXXXXX")"
export XDG_CONFIG_HOME="$WORK/config"
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Whatever the game or the toolkit puts in a temporary folder stays in $WORK.
export TMPDIR="$WORK/tmp"
mkdir -p "$TMPDIR" && chmod 700 "$TMPDIR"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
INI="$XDG_CONFIG_HOME/parvolune/Quenmarl.ini"
GAME_PID=""

cleanup() {
  if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill -9 "$GAME_PID" 2>/dev/null
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT
# A test stopped by a signal (a time limit) cleans up too.
trap 'exit 143' TERM HUP INT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK/game.log" ] && sed 's/^/  game: /' "$WORK/game.log" >&2
  exit 1
}

# start_game [env assignments...]: starts the game in the background.
start_game() {
  START_ARGS=("$@")
  env "$@" "$GAME" >"$WORK/game.log" 2>&1 &
  GAME_PID=$!
}

# A loaded X server may reset a new connection; the game then ends at once
# with its one line for no display. Such a start is made again (the display
# answers the test's own clients): true when it did so.
started_again() {
  [ "$(grep -c . "$WORK/game.log")" = 1 ] && grep -q "cannot open the display" "$WORK/game.log" || return 1
  xdpyinfo >/dev/null 2>&1 || return 1
  RESTARTS=$(( ${RESTARTS:-0} + 1 ))
  [ "$RESTARTS" -le 20 ] || return 1
  echo "the display refused the game's connection; started again" >&2
  start_game "${START_ARGS[@]}"
}

# Tests wait for the state they need, never for a time: a wait gives up only
# after HANG_LIMIT seconds, which only a hang reaches, also on a loaded machine.
HANG_LIMIT=${PV_E2E_HANG_LIMIT:-120}

# wait_until COMMAND...: runs COMMAND every 0.1 s until it succeeds; false
# after HANG_LIMIT seconds.
wait_until() {
  local end=$(( SECONDS + HANG_LIMIT ))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# wait_window NAME: waits until a window of that name is mapped.
wait_window() {
  local end=$(( SECONDS + HANG_LIMIT ))
  until xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
    kill -0 "$GAME_PID" 2>/dev/null || started_again || fail "the game ended before its window '$1' showed"
    [ "$SECONDS" -lt "$end" ] || fail "no window '$1' after $HANG_LIMIT s"
    sleep 0.1
  done
}

# wait_exit [IGNORED]: waits for the game to end; its exit code goes to
# EXIT_CODE ("running" when it had not ended after HANG_LIMIT seconds).
wait_exit() {
  EXIT_CODE="running"
  local end=$(( SECONDS + HANG_LIMIT ))
  while kill -0 "$GAME_PID" 2>/dev/null; do
    [ "$SECONDS" -lt "$end" ] || return 0
    sleep 0.1
  done
  wait "$GAME_PID"
  EXIT_CODE=$?
}

# keep_pressing KEY [WINDOW]: presses KEY every 2 s until the game ends (a key
# sent before the game takes keys is lost); the exit code goes to EXIT_CODE.
keep_pressing() {
  EXIT_CODE="running"
  local end=$(( SECONDS + HANG_LIMIT ))
  while kill -0 "$GAME_PID" 2>/dev/null; do
    [ "$SECONDS" -lt "$end" ] || return 0
    if [ -n "${2:-}" ]; then
      xdotool key --window "$2" "$1" 2>/dev/null || xdotool key "$1"
    else
      xdotool key "$1"
    fi
    for _ in $(seq 1 20); do
      kill -0 "$GAME_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  wait "$GAME_PID"
  EXIT_CODE=$?
}

# lit_fraction FILE: fraction of the screenshot's pixels that are not black.
lit_fraction() {
  convert "$1" -colorspace Gray -threshold 20% -format "%[fx:mean]" info:
}

# wait_lit FILE [IGNORED]: takes screenshots into FILE until one is not black
# (the first frames can be slow on a busy machine); false when none was.
wait_lit() {
  local end=$(( SECONDS + HANG_LIMIT ))
  until import -window root "$1" 2>/dev/null &&
      awk -v f="$(lit_fraction "$1")" 'BEGIN { exit !(f > 0.002) }'; do
    kill -0 "$GAME_PID" 2>/dev/null || return 1
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.25
  done
}

# write_counts FISH... : a settings file whose fish counts are the given
# "species=count" pairs (every other species and every plant kind 0).
write_counts() {
  mkdir -p "$XDG_CONFIG_HOME/parvolune"
  {
    printf '[Fish Number]\r\n'
    for k in $(seq 0 24); do
      n=0
      for pair in "$@"; do [ "${pair%%=*}" = "$k" ] && n=${pair#*=}; done
      printf 'Fish%d=%d\r\n' "$k" "$n"
    done
    printf '[Plants Number]\r\n'
    for k in $(seq 0 16); do printf 'Plants%d=0\r\n' "$k"; done
  } > "$INI"
}
