#!/usr/bin/env bash
# Runs a command as on a desktop without a screen: an X server of its own, the desktop
# accessibility bus and SDL's disk audio driver.
# Usage: tests/e2e/session.sh COMMAND [ARGUMENTS...]
set -euo pipefail

work="$(mktemp -d)"
# Xvfb writes its display number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1400x700x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log"; exit 1; }
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$work/display")"

unset AT_SPI_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb
export QT_ACCESSIBILITY=1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export SDL_AUDIODRIVER=disk
dbus-run-session -- "$@"
