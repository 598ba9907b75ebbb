#!/usr/bin/env bash
# The real program under Xvfb with a tray (trayer) and a 28-pixel bar at the bottom of the screen:
# the round splash, the info box sliding into the corner of the work area, the program sitting in
# the tray, a click on the box bringing the main window, refusing the licence ending it all, and
# SIGTERM ending it even inside a start-up window.
# Arguments after the common three: a picture to show behind the splash.
source "$(dirname "$0")/e2e.sh"
backdrop=$4
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
until_true() { # until_true COMMAND... : waits up to 30 s on a busy machine
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  return 1
}
# The info box: the visible window "Orvelle" of 237 x 282 (the tray icon has the same name).
info_box() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Orvelle$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q 'Geometry: 237x282' && { echo "$w"; return 0; }
  done
  return 1
}
geometry() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Position/ {split($2, p, ","); print p[1], p[2]}'; }
at() { [ "$(geometry "$1")" = "$2" ]; }
in_tray() { xwininfo -root -tree | sed -n '/"panel": ("panel" "trayer")/,/"trayer": ("trayer"/p' | grep -q '("orvelle" "Orvelle")'; }
pixel() { /usr/bin/convert-im6.q16 "$1" -format "%[pixel:p{$2,$3}]" info:; }

# A desktop picture behind everything, a tray at the bottom right, and the work area above its bar.
display -window root "$backdrop" 2>/dev/null
import -window root "$work/backdrop.png"
trayer --edge bottom --align right --widthtype request --height 28 --SetDockType true --SetPartialStrut true \
       --transparent false >/dev/null 2>&1 & pids+=($!)
until_true eval 'xwininfo -name panel >/dev/null 2>&1'
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 1024, 740"
corner="$((1024 - 237)) $((740 - 282))"


# First start: no settings yet, so the tray and the info box are both on.
"$app/orvelle" & first=$!; pids+=($first)
box=""; until_true eval 'box=$(info_box)'
check "the info box appears on the first start" test -n "$box"
if [ -n "$box" ]; then
  start=$(geometry "$box")
  check "it comes in from the right edge of the work area (first seen at $start)" test "${start%% *}" -gt 787
  check "it comes to rest at the bottom-right corner of the work area ($corner)" until_true at "$box" "$corner"
  import -window "$box" "$out/info-box.png" 2>/dev/null
  # The saints' names: dark text on the button face in the upper left.
  dark=$(/usr/bin/convert-im6.q16 "$out/info-box.png" -crop 230x40+0+0 -colorspace gray -threshold 35% \
         -format '%[fx:int(100 * (1 - mean))]' info:)
  check "it shows today's saint names (dark pixels: $dark %)" test "${dark:-0}" -gt 3
  check "it leaves by itself" until_true eval '! info_box >/dev/null'
fi
check "the program sits in the tray" until_true in_tray
check "no main window is shown" test -z "$(visible '^Orvelle - ')"
check "the program keeps running" kill -0 "$first"
grep -q 'DisplayInfoAtStartup=1' "$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
check "both settings were stored as on" grep -q 'MinimizeToTray=1' "$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
kill -TERM "$first"; wait "$first" 2>/dev/null

# A left click on the box sends it away and brings up the main window, tray setting or not.
"$app/orvelle" & second=$!; pids+=($second)
box=""; until_true eval 'box=$(info_box)'
check "the info box appears again" test -n "$box"
if [ -n "$box" ]; then
  until_true at "$box" "$corner"
  read -r x y <<<"$(geometry "$box")"
  xdotool mousemove $((x + 100)) $((y + 120)) click 1
fi
main=""; until_true eval 'main=$(visible "^Orvelle - www\\.orvelle\\.example$")'
check "after the click the main window appears, named after the home page" test -n "$main"
check "and the box is gone" eval '! info_box >/dev/null'

# The dialogs made on first use open from their commands.
if [ -n "$main" ]; then
  xdotool windowfocus --sync "$main" 2>/dev/null
  xdotool key alt+h Return
  about=""; until_true eval 'about=$(visible "^About$")'
  check "Help, About opens the About box" test -n "$about"
  xdotool key Return
  check "and OK closes it" until_true eval '! has_visible "^About$"'
  xdotool windowfocus --sync "$main" 2>/dev/null
  xdotool key alt+f Down Return
  find=""; until_true eval 'find=$(visible "^Find$")'
  check "Find, Find Saint... opens the search" test -n "$find"
  if [ -n "$find" ]; then
    read -r x y <<<"$(geometry "$find")"
    xdotool mousemove $((x + 184 + 37)) $((y + 184 + 12)) click 1
  fi
  check "and Cancel closes it" until_true eval '! has_visible "^Find$"'
fi

# Refusing the licence ends the program although the tray setting would keep it.
if [ -n "$main" ]; then
  xdotool windowfocus --sync "$main" 2>/dev/null
  xdotool key alt+h Down Return
  license=""; until_true eval 'license=$(visible "^License$")'
  check "Help, Show License opens the agreement" test -n "$license"
  if [ -n "$license" ]; then
    sleep 0.3 && import -window "$license" "$out/license.png" 2>/dev/null
    read -r x y <<<"$(geometry "$license")"
    xdotool mousemove $((x + 8 + 37)) $((y + 304 + 12)) click 1
  fi
  check "\"I Disagree!\" ends the program" until_true eval '! kill -0 $second 2>/dev/null'
  wait "$second"; code=$?
  check "with exit code 0 ($code)" test "$code" -eq 0
  check "and its tray icon is gone" until_true eval '! in_tray'
fi

# The splash is round: it is still up while start-up reports a missing saints file.
nodata="$work/nodata"
mkdir -p "$nodata" && cp "$exe" "$nodata/orvelle"
"$nodata/orvelle" & third=$!; pids+=($third)
error=""; until_true eval 'error=$(visible "^Orvelle of Saints$")'
splash=$(visible '^Starting Orvelle$')
check "the splash is on screen while the error box is" test -n "$splash"
if [ -n "$splash" ] && [ -n "$error" ]; then
  xdotool windowmove "$error" 0 0
  read -r sx sy <<<"$(geometry "$splash")"
  check "the splash is centred on the work area ($sx $sy)" test "$sx $sy" = "$(((1024 - 481) / 2)) $(((740 - 483) / 2))"
  sleep 0.3 && import -window root "$work/screen.png"
  /usr/bin/convert-im6.q16 "$work/screen.png" -crop "481x483+$sx+$sy" +repage "$out/splash.png"
  check "its corners show what is behind it" \
    test "$(pixel "$work/screen.png" $((sx + 5)) $((sy + 5)))" = "$(pixel "$work/backdrop.png" $((sx + 5)) $((sy + 5)))"
  check "its middle shows the picture" \
    test "$(pixel "$work/screen.png" $((sx + 240)) $((sy + 240)))" != "$(pixel "$work/backdrop.png" $((sx + 240)) $((sy + 240)))"
fi
kill -TERM "$third"; wait "$third" 2>/dev/null

# Ended while the info box is up, before the main loop runs: the program still ends, with 0.
"$app/orvelle" & fourth=$!; pids+=($fourth)
box=""; until_true eval 'box=$(info_box)'
kill -TERM "$fourth"
check "SIGTERM during the info box ends the program" until_true eval '! kill -0 $fourth 2>/dev/null'
wait "$fourth"; code=$?
check "with exit code 0 ($code)" test "$code" -eq 0

finish
