#!/usr/bin/env bash
# The tray, as a user meets it under Xvfb with a tray panel (trayer): the first start lives in the
# tray, a click brings the window, the tray menu ends the program; without a tray the window shows;
# "Run at startup" writes and removes the autostart entry.
set -uo pipefail
exe=$1 saints=$2 out=$3
mkdir -p "$out"
work=$(mktemp -d)
unset QT_QPA_PLATFORM
pids=()
cleanup() { kill -9 "${pids[@]}" 2>/dev/null; kill "${XVFB_PID:-}" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
source "$(dirname "$0")/../../tools/xvfb.sh"
start_xvfb || exit 1

passed=0 failed=0
check() { # check NAME COMMAND...
  if "${@:2}"; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi
}
wait_for() { # wait_for COMMAND... : up to 20 s
  for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done
  return 1
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_visible() { [ -n "$(visible "$1")" ]; }
ended() { ! kill -0 "$1" 2>/dev/null; }
fresh_home() {
  export HOME="$work/home$1" XDG_CONFIG_HOME="$work/home$1/.config" XDG_RUNTIME_DIR="$work/runtime$1"
  mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
}
app="$work/app"
mkdir -p "$app" && cp "$exe" "$app/orvelle" && cp "$saints" "$app/saints_out.csv"
tray_icon() { # prints "X Y" of the icon's centre: a small window named Orvelle inside the panel
  xwininfo -root -tree 2>/dev/null | awk '$2 == "\"Orvelle\":" && $3 == "(\"orvelle\"" {
    split($(NF-1), size, /[x+]/); split($NF, at, "+");
    if (size[1] >= 8 && size[1] <= 64 && at[2] > 0) { print at[2] + int(size[1] / 2), at[3] + int(size[2] / 2); found = 1; exit }
  } END { exit !found }'
}
conf() { cat "$XDG_CONFIG_HOME/Orvelle/Orvelle.conf" 2>/dev/null; }

# Without a tray the first start shows the window: the program never hides into nothing.
fresh_home 1
"$app/orvelle" & first=$!; pids+=($first)
check "without a tray the first start shows the main window" wait_for has_visible '^Orvelle - '
check "the first start stores both settings as on" wait_for grep -qx 'MinimizeToTray=1' <(conf)
check "... and the info box setting" grep -qx 'DisplayInfoAtStartup=1' <(conf)

# "Run at startup" through the Options dialog, by the keyboard.
entry="$XDG_CONFIG_HOME/autostart/orvelle.desktop"
open_options() {
  local main
  main=$(visible '^Orvelle - ')
  xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
  xdotool key --delay 100 alt+p Return
  wait_for has_visible '^Options$'
}
toggle_run_at_startup_and_ok() {
  local dialog
  dialog=$(visible '^Options$')
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  # "Run at startup" sits at 16, 80 of the client area (inside its group), OK at 224, 200.
  xdotool mousemove --sync $((X + 24)) $((Y + 88)) click 1
  xdotool mousemove --sync $((X + 260)) $((Y + 212)) click 1
  wait_for bash -c "! xdotool search --onlyvisible --name '^Options$' >/dev/null 2>&1"
}
if open_options; then
  import -window "$(visible '^Options$')" "$out/options.png" 2>/dev/null
  toggle_run_at_startup_and_ok
  check "ticking \"Run at startup\" writes the autostart entry" wait_for test -f "$entry"
  check "the entry starts this program" grep -qxF "Exec=\"$app/orvelle\"" "$entry"
  open_options && toggle_run_at_startup_and_ok
  check "unticking it removes the entry" wait_for test ! -f "$entry"
else
  check "the Options dialog opens from the Program menu" false
fi
kill -TERM "$first"; wait "$first" 2>/dev/null

# With a tray: the first start sits in the tray with no window.
trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 32 \
  --transparent false --tint 0x808080 >/dev/null 2>&1 & pids+=($!)
wait_for has_visible '^panel$'
fresh_home 2
"$app/orvelle" & second=$!; pids+=($second)
check "with a tray the first start puts an icon in the tray" wait_for eval "tray_icon >/dev/null"
# The panel may still move the icon into place: take its place once it holds still.
stable_icon() { local a b; a=$(tray_icon) && sleep 0.2 && b=$(tray_icon) && [ "$a" = "$b" ]; }
wait_for stable_icon
icon=$(tray_icon)
check "... and shows no main window" bash -c "! xdotool search --onlyvisible --name '^Orvelle - ' >/dev/null 2>&1"
check "the first start stores both settings as on" wait_for grep -qx 'MinimizeToTray=1' <(conf)
import -window root "$out/tray.png" 2>/dev/null
if [ -n "$icon" ]; then
  read -r cx cy <<<"$icon"
  xdotool mousemove --sync "$cx" "$cy" click 1
  check "a left click on the icon shows the main window" wait_for has_visible '^Orvelle - '
  # The close box hides the window into the tray again.
  xdotool windowclose "$(visible '^Orvelle - ')" 2>/dev/null || true
  popups() { xdotool search --onlyvisible --classname '^orvelle$' 2>/dev/null | wc -l; }
  before=$(popups)
  xdotool mousemove --sync "$cx" "$cy" click 3
  menu_open() { [ "$(popups)" -gt "$before" ]; }
  check "a right click opens the tray menu" wait_for menu_open
  import -window root "$out/tray-menu.png" 2>/dev/null
  # Down from no item reaches "Show Calendar", the next Down skips the separator to "Shutdown".
  xdotool key --delay 100 Down Down Return
  if wait_for ended "$second"; then
    check "the tray menu's \"Shutdown\" ends the program" true
    wait "$second"; code=$?
    check "... with exit code 0" test "$code" -eq 0
  else
    check "the tray menu's \"Shutdown\" ends the program" false
  fi
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
