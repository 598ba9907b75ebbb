#!/usr/bin/env bash
# `make run`: starts the program. Without a display it runs under Xvfb instead, saves screenshots
# of what a user sees at start-up into BUILD/screenshots/ and ends the program cleanly.
set -euo pipefail
build=${1:-build}
exe="$build/orvelle"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
  exec "$exe"
fi

shots="$build/screenshots"
mkdir -p "$shots"
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'kill ${XVFB_PID:-} 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/xvfb.sh"
start_xvfb

"$exe" &
app=$!
# wait_window TITLE-REGEX: its id once it is visible (up to 20 s)
wait_window() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return 0
    sleep 0.1
  done
  return 1
}
# The day's info box sliding in; with no tray here the main window follows.
box=$(wait_window '^Orvelle$' || true)
sleep 1 # at rest in its corner
import -window root "$shots/desktop.png"
window=$(wait_window '^Orvelle - ' || true)
sleep 1 # let it paint
[ -n "$window" ] && import -window "$window" "$shots/main-window.png"
kill -TERM "$app"
wait "$app" && status=0 || status=$?
echo "Orvelle ran under Xvfb (no display here) and ended with exit code $status."
echo "Screenshots of the start-up: $(cd "$shots" && pwd)/"
ls "$shots"
