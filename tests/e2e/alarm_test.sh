#!/usr/bin/env bash
# The alarm as a user meets it under Xvfb: on the alarm's day the reminder "Alarm!" comes before
# any other window and the program starts after its OK, at every start of that day; the alarm set
# in "Set Alarm..." is what the next start shows; another day shows nothing; a bad value is said.
source "$(dirname "$0")/e2e.sh"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Orvelle" && mkdir -m 700 "$XDG_RUNTIME_DIR"
gone() { ! has_visible "$1"; }
conf="$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
write_conf() { # write_conf ALARM-DATE MESSAGE: the window shows at once, with no info box
  printf '[General]\nMinimizeToTray=0\nDisplayInfoAtStartup=0\nAlarmDate=%s\nAlarmMessage=%s\n' "$1" "$2" >"$conf"
}
copied_text() { # copied_text WINDOW X Y: clicks into a text box there, copies all of it
  xdotool mousemove --sync --window "$1" "$2" "$3" click 1
  copied ctrl+a ctrl+c
}
# start: runs the program, waits for its first visible window after the splash; sets PID, FIRST
# (id), FIRST_NAME and SEEN (how many of its windows besides the splash were visible then).
start() {
  "$app/orvelle" & PID=$!; pids+=($PID)
  FIRST="" FIRST_NAME="" SEEN=0
  for _ in $(seq 200); do
    local windows
    # A window gone since the search (the splash closing) has no name to read: it is skipped.
    windows=$(for w in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
      name=$(xdotool getwindowname "$w" 2>/dev/null) && [ "$name" != "Starting Orvelle" ] && echo "$w"
    done)
    if [ -n "$windows" ]; then
      FIRST=$(head -n 1 <<<"$windows") SEEN=$(wc -l <<<"$windows")
      FIRST_NAME=$(xdotool getwindowname "$FIRST" 2>/dev/null)
      return 0
    fi
    sleep 0.1
  done
  return 1
}
stop() { kill -TERM "$PID"; wait "$PID" 2>/dev/null; }

# Today's alarm, stored at 23:59: due from the start of the day.
write_conf "$(date +%FT23:59:00)" "Feed the cat"
start
check "on the alarm's day the first window is \"Alarm!\"" test "$FIRST_NAME" = "Alarm!"
check "... and the only one" test "$SEEN" -eq 1
alarm=$FIRST
if [ "$FIRST_NAME" = "Alarm!" ]; then
  import -window "$alarm" "$out/alarm-reminder.png" 2>/dev/null
  check "it shows the message" test "$(copied_text "$alarm" 60 40)" = "Feed the cat"
  # Tab leaves the message for OK, and Enter presses it.
  xdotool windowfocus --sync "$alarm" 2>/dev/null; xdotool key Tab Return
  check "its OK closes it" wait_for gone '^Alarm!$'
fi
check "after it the program goes on starting" wait_for has_visible '^Orvelle - '

# "Set Alarm..." shows the stored alarm; a new message, OK with "Activated" ticked, is stored.
main=$(visible '^Orvelle - ')
xdotool mousemove --sync --window "$main" 413 100 click 1
check "\"Set Alarm...\" opens the alarm dialog" wait_for has_visible '^Place an alarm\.\.\.$'
dialog=$(visible '^Place an alarm\.\.\.$')
if [ -n "$dialog" ]; then
  import -window "$dialog" "$out/alarm-dialog.png" 2>/dev/null
  check "it holds the stored message" test "$(copied_text "$dialog" 100 120)" = "Feed the cat"
  xdotool type --delay 20 "Water the plants"
  # From the message: "Activated" (ticked already), "Cancel", "OK".
  xdotool key --delay 50 Tab Tab Tab Return
  check "OK closes the dialog" wait_for gone '^Place an alarm\.\.\.$'
  check "the new message is stored" wait_for grep -qx 'AlarmMessage=Water the plants' "$conf"
  check "... with the same day" grep -q "^AlarmDate=$(date +%F)T" "$conf"
fi
stop

start
check "the next start the same day shows the reminder again" test "$FIRST_NAME" = "Alarm!"
if [ "$FIRST_NAME" = "Alarm!" ]; then
  check "... with the new message" test "$(copied_text "$FIRST" 60 40)" = "Water the plants"
  xdotool mousemove --sync --window "$FIRST" 100 148 click 1
  check "a click on OK closes it" wait_for gone '^Alarm!$'
fi
check "... and the program starts" wait_for has_visible '^Orvelle - '
stop

write_conf "$(date -d yesterday +%FT12:00:00)" "Feed the cat"
start
check "yesterday's alarm: the first window is the main window" grep -q '^Orvelle - ' <<<"$FIRST_NAME"
check "... and no reminder" gone '^Alarm!$'
stop

# A stored day of the wrong type is reported once; the program starts without the reminder.
write_conf "next Tuesday" "Feed the cat"
start
box=$(visible '^Orvelle of Saints$')
check "a bad alarm day is reported in the error box" test -n "$box"
if [ -n "$box" ]; then
  import -window "$box" "$out/alarm-bad-value.png" 2>/dev/null
  xdotool windowfocus --sync "$box" 2>/dev/null
  check "the box names the value" test "$(copied ctrl+c)" = "Invalid data type for 'AlarmDate'"
  xdotool key Return
fi
check "then the program starts" wait_for has_visible '^Orvelle - '
check "... with no second report" gone '^Orvelle of Saints$'
check "... without the reminder" gone '^Alarm!$'
stop

finish
