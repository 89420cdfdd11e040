#!/usr/bin/env bash
# Without the GL version the shadows need, the game says so and, once the
# message is closed, ends with code 0. (This Mesa cannot hide
# GL_EXT_framebuffer_object; a GL test covers that message.)
set -u
source "$(dirname "$0")/lib.sh" "$1"

check() {
  local expected="$1"
  shift
  start_game "$@"
  said() {
    grep -q "$expected" "$WORK/game.log" && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended without saying '$expected'"
    return 1
  }
  wait_until said || fail "no message '$expected'"
  # Return closes the message once it shows (one pressed before is lost).
  keep_pressing Return
  [ "$EXIT_CODE" = 0 ] || fail "ended with '$EXIT_CODE' after '$expected'"
}

check "Neither OpenGL 1.4 nor GL_ARB_shadow extension is available!" \
  MESA_GL_VERSION_OVERRIDE=1.3 MESA_EXTENSION_OVERRIDE="-GL_ARB_shadow"
echo "PASS"
