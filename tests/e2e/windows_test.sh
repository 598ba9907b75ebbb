#!/usr/bin/env bash
# Starts the real program under Xvfb and checks its windows as a person meets them: error boxes
# for a broken saints file, the calendar after a painting error, a second start while a dialog is
# open, and Esc in a dialog without a cancel button. Screenshots go to the output folder.
source "$(dirname "$0")/e2e.sh"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8 # lengths in characters, not bytes
wait_window() { # wait_window TITLE-REGEX [TENTHS] -> prints window id (waits 20 s by default)
  for _ in $(seq "${2:-200}"); do
    local w
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
wait_gone() { # wait_gone WINDOW-ID
  for _ in $(seq 100); do
    xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 0
    sleep 0.1
  done
  return 1
}
copy_text() { # copy_text WINDOW-ID -> the text Ctrl+C puts on the clipboard
  xdotool windowfocus --sync "$1" 2>/dev/null; xdotool key ctrl+c; sleep 0.3
  xclip -selection clipboard -o 2>/dev/null
}
centred() { # centred WINDOW-ID: its centre within Qt's room for a window frame of the screen's
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local dx=$((X + WIDTH / 2 - 512)) dy=$((Y + HEIGHT / 2 - 384))
  [ "${dx#-}" -le 12 ] && [ "${dy#-}" -le 42 ]
}
start() { # start DIR -> runs DIR/orvelle in the background
  "$1/orvelle" & pids+=($!)
}
stop() { kill -TERM "${pids[-1]}" 2>/dev/null; wait "${pids[-1]}" 2>/dev/null; }
app_with() { # app_with NAME -> a folder holding the program; the saints file is written by the caller
  mkdir -p "$work/$1" && cp "$exe" "$work/$1/orvelle" && echo "$work/$1"
}

# A saints file of random bytes: the message quotes the broken day key readably and briefly.
dir=$(app_with random)
x=7 garbage=""
for _ in $(seq 120); do
  x=$(((x * 1103515245 + 12345) % 2147483648)); b=$(((x >> 16) % 256))
  case $b in 0 | 10 | 13 | 34 | 59) b=65 ;; esac # no end of line, quote or separator
  garbage+=$(printf '\\%03o' "$b")
done
printf "$garbage;rest;\n" >"$dir/saints_out.csv"
start "$dir"
box=$(wait_window '^Orvelle of Saints$')
check "an error box appears for a file of random bytes" test -n "$box"
if [ -n "$box" ]; then
  import -window "$box" "$out/random-bytes-box.png" 2>/dev/null
  check "the box opens centred on the screen, before the main window exists" centred "$box"
  text=$(copy_text "$box")
  quoted=${text#*[}; quoted=${quoted%]*}
  check "the message is the documented one" grep -qE '^Parse date error : length of \[.*\] <> 6\.$' <<<"$text"
  check "control and invalid bytes are shown as \\xNN" grep -q '\\x[0-9A-F][0-9A-F]' <<<"$quoted"
  check "no control character is left in the message" bash -c '! LC_ALL=C grep -q "[[:cntrl:]]" <<<"$1"' _ "$text"
  check "the quoted value is cut at 60 characters with an ellipsis (${#quoted} shown)" \
    test "${#quoted}" -le 61 -a "${quoted: -1}" = "…"
  xdotool key Return
fi
stop

# A broken row on a day of the month shown: once its error box is closed, the calendar is drawn
# to its last day without the mouse having to cross it.
dir=$(app_with badrow)
month=$(date +%m) today=$((10#$(date +%d)))
bad=01
[ "$today" -eq 1 ] && bad=15
awk -v key="$month.$bad." 'BEGIN { FS = OFS = ";" } !done && $1 == key { NF = 8; $0 = $0 ";"; done = 1 } 1' \
  "$saints" >"$dir/saints_out.csv"
start "$dir"
main=$(wait_window '^Orvelle - ')
boxes=0
while [ $boxes -lt 5 ] && box=$(wait_window '^Orvelle of Saints$' 30); do
  [ $boxes -eq 0 ] && import -window root "$out/paint-error-box.png" 2>/dev/null
  boxes=$((boxes + 1))
  xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return; wait_gone "$box"
done
check "the broken row is reported ($boxes box(es))" test "$boxes" -ge 1 -a "$boxes" -le 5
sleep 0.5
import -window "$main" "$out/calendar-after-paint-error.png" 2>/dev/null
# Day 28 lies after the broken day in every month: its number must be drawn. The calendar's
# grid starts 20 pixels below its top, in rows of 32 pixels and columns of 63.
first=$(date -d "$(date +%Y-%m-01)" +%w)
col=$(((first + 27) % 7)) row=$(((first + 27) / 7))
x=$((9 + col * 63 + 3)) y=$((235 + 20 + row * 32 + 2))
darkest=$(convert-im6.q16 "$out/calendar-after-paint-error.png" -crop "14x12+$x+$y" -colorspace Gray \
  -format '%[fx:int(255*minima)]' info: 2>/dev/null)
check "the calendar is drawn to the end of the month (darkest ${darkest:-?} in day 28's number)" \
  test "${darkest:-255}" -lt 100
stop

# A second start while a dialog of the first copy is open: the dialog stays above the main window.
dir=$(app_with modal)
cp "$saints" "$dir/saints_out.csv"
start "$dir"
main=$(wait_window '^Orvelle - ')
xdotool mousemove --window "$main" 117 53 click 1 # the Find Feast button of the toolbar
dialog=$(wait_window '^Find Feast')
check "Find Feast opens" test -n "$dialog"
xdotool key Escape; sleep 0.5
check "Esc does not close Find Feast" test -n "$(xdotool search --onlyvisible --name '^Find Feast' 2>/dev/null)"
xdotool windowraise "$main" # as if the user had brought the main window up
timeout 10 "$dir/orvelle"
sleep 1
# Top-level windows from top to bottom.
order=$(xwininfo -root -children | grep -oE '"(Find Feast|Orvelle - )' | head -n 2 | tr -d '"' | paste -sd,)
check "after a second start the dialog is above the main window ($order)" test "$order" = "Find Feast,Orvelle - "
import -window root "$out/second-start-with-dialog.png" 2>/dev/null
stop

finish
