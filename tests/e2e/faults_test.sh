#!/usr/bin/env bash
# Faults a user may meet, under Xvfb: broken, huge or missing saints files, broken or locked
# settings, a kill in the middle of settings writes, racing starts, leftovers of a killed copy.
# Each time the program must say what went wrong in its own words, stay usable and lose nothing.
# Arguments after the common three: the synthetic file maker and the settings writer.
source "$(dirname "$0")/e2e.sh"
make_saints_file=$4 settings_writer=$5
chmod 755 "$work"
count_visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
ended() { ! kill -0 "$1" 2>/dev/null; }

# As root nothing is unreadable: the unreadable cases then run as the user nobody.
as_user=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
  as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
fi
n=0
new_app() { # new_app: a program folder and a fresh home; sets app, HOME, XDG_*
  n=$((n + 1))
  app="$work/app$n"
  export HOME="$work/home$n" XDG_CONFIG_HOME="$work/home$n/.config" XDG_RUNTIME_DIR="$work/run$n"
  mkdir -p "$app" "$XDG_CONFIG_HOME/Orvelle" && mkdir -m 700 "$XDG_RUNTIME_DIR"
  cp "$exe" "$app/orvelle"
  # The tray setting off, so every start shows its window on this tray-less display.
  printf '[General]\nDisplayInfoAtStartup=0\nMinimizeToTray=0\n' >"$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
  [ ${#as_user[@]} -gt 0 ] && chown -R nobody "$app" "$HOME" "$XDG_RUNTIME_DIR"
}
start() { "${as_user[@]}" "$app/orvelle" & pid=$!; pids+=($pid); }
box_text() { # box_text WINDOW: the error box's text, copied with Ctrl+C
  xdotool windowfocus --sync "$1" 2>/dev/null
  printf '' | xclip -selection clipboard >/dev/null 2>&1 # in the background, holding no pipe of ours
  xdotool key ctrl+c
  wait_for bash -c '[ -n "$(xclip -selection clipboard -o 2>/dev/null)" ]'
  xclip -selection clipboard -o 2>/dev/null
}
# expect_box NAME TEXT: an error box with TEXT comes, closes with Enter, the main window follows.
expect_box() {
  local box
  box=$(wait_for has_visible '^Orvelle of Saints$' && visible '^Orvelle of Saints$')
  check "$1: an error box appears" test -n "$box"
  [ -n "$box" ] || return
  import -window "$box" "$out/fault-$n.png" 2>/dev/null
  local text
  text=$(box_text "$box")
  check "$1: it says \"$2\"" grep -qF -- "$2" <<<"$text"
  xdotool key Return
  check "$1: the main window appears after it" wait_for has_visible '^Orvelle - '
  local calendar
  calendar=$(visible '^Orvelle - ')
  [ -n "$calendar" ] && import -window "$calendar" "$out/fault-$n-after.png" 2>/dev/null
  check "$1: no second box" test "$(count_visible '^Orvelle of Saints$')" -eq 0
}
# drain_boxes NAME REGEX MAX: every error box that comes says REGEX, there are 1 to MAX of them,
# and once the window is back a repaint brings no more.
drain_boxes() {
  local boxes=0 b t
  b=$(wait_for has_visible '^Orvelle of Saints$' && visible '^Orvelle of Saints$')
  while [ -n "$b" ]; do
    boxes=$((boxes + 1))
    [ "$boxes" -eq 1 ] && import -window "$b" "$out/fault-$n.png" 2>/dev/null
    t=$(box_text "$b")
    check "$1: box $boxes is the program's own (\"${t:0:60}\")" grep -qE -- "$2" <<<"$t"
    xdotool key Return
    wait_for bash -c "[ \"\$(xdotool search --onlyvisible --name '^Orvelle of Saints$' 2>/dev/null | head -n 1)\" != $b ]"
    # A repaint behind the box may queue the next one at once.
    b=$(visible '^Orvelle of Saints$')
    [ -z "$b" ] && has_visible '^Orvelle - ' && sleep 0.5 && b=$(visible '^Orvelle of Saints$')
    [ "$boxes" -gt 5 ] && break
  done
  check "$1: between 1 and $3 boxes ($boxes)" test "$boxes" -ge 1 -a "$boxes" -le "$3"
  check "$1: the main window is there" wait_for has_visible '^Orvelle - '
  local main
  main=$(visible '^Orvelle - ')
  if [ -n "$main" ]; then
    eval "$(xdotool getwindowgeometry --shell "$main")"
    # Hovering over the calendar's days repaints it.
    xdotool mousemove --sync $((X + 100)) $((Y + 300)) mousemove --sync $((X + 300)) $((Y + 400))
    import -window "$main" "$out/fault-$n-after.png" 2>/dev/null
    check "$1: no box after a repaint" test "$(count_visible '^Orvelle of Saints$')" -eq 0
  fi
}
end_program() { kill -TERM "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }

# --- Saints files ---
new_app
month=$(date +%m)
# Today's month with a day whose row lacks columns: its paint fails once, the program goes on.
{ grep -v "^$month\.15\." "$saints" | awk -v m="$month" -F';' '$1 > m".15." && !done { print m".15.;Broken;row;"; done=1 } { print }'; } >"$app/saints_out.csv"
start
# The day before also reads the broken row while looking for its own end: two boxes at most.
drain_boxes "a malformed day" "^Bad data in date \[$month\.1[45]\.\], row \[[0-9]+\] -> returned only \[3\] columns of expected 10$" 2
check "a malformed day: the program keeps running" kill -0 "$pid"
end_program

new_app
# Control bytes in the first key, then random bytes: the message shows them readably.
{ printf '\001\377;garbage;\n'; head -c 4096 /dev/urandom; } >"$app/saints_out.csv"
start
drain_boxes "random bytes" '^Parse date error : length of \[\\x01\\xFF\] <> 6\.$' 1
end_program

new_app
: >"$app/saints_out.csv"
start
expect_box "an empty file" "[$app/saints_out.csv]"
end_program

# SIGTERM while start-up shows a box: the program ends, with 0, instead of hanging on.
new_app
: >"$app/saints_out.csv"
start
if wait_for has_visible '^Orvelle of Saints$'; then
  kill -TERM "$pid"
  if wait_for ended "$pid"; then
    wait "$pid"; code=$?
    check "SIGTERM during a start-up box ends the program with 0" test "$code" -eq 0
  else
    check "SIGTERM during a start-up box ends the program" false
  fi
fi
end_program

new_app
mkdir "$app/saints_out.csv"
start
expect_box "a folder in the file's place" "[$app/saints_out.csv]"
end_program

if [ ${#as_user[@]} -gt 0 ] || [ "$(id -u)" -ne 0 ]; then
  new_app
  cp "$saints" "$app/saints_out.csv" && chmod 000 "$app/saints_out.csv"
  start
  expect_box "an unreadable file" "Could not open file [$app/saints_out.csv]"
  end_program
fi

new_app
"$make_saints_file" 200 "$app/saints_out.csv" >/dev/null
start
check "a 200 MB file: the main window appears" wait_for has_visible '^Orvelle - '
dirty=$(awk '/^Private_Dirty/ { print $2 }' "/proc/$pid/smaps_rollup" 2>/dev/null)
check "a 200 MB file is mapped, not read (private memory ${dirty:-?} kB)" test "${dirty:-999999}" -lt 102400
end_program

# --- Settings ---
conf() { cat "$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"; }
new_app
cp "$saints" "$app/saints_out.csv"
head -c 2048 /dev/urandom >"$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
start
# Garbage reads as no values or values of the wrong type: reported, defaults written, start-up goes on.
while ! has_visible '^Orvelle - ' && kill -0 "$pid" 2>/dev/null; do
  b=$(visible '^Orvelle of Saints$')
  if [ -n "$b" ]; then
    t=$(box_text "$b")
    check "a garbage config: the box is the program's own (\"${t:0:50}\")" grep -qE "^(Invalid data type|Failed to set data) for '" <<<"$t"
    xdotool key Return
  fi
  sleep 0.1
done
check "a garbage config: the program starts" wait_for has_visible '^Orvelle - '
end_program

if [ ${#as_user[@]} -gt 0 ] || [ "$(id -u)" -ne 0 ]; then
  new_app
  cp "$saints" "$app/saints_out.csv"
  printf '[General]\nDisplayInfoAtStartup=0\nMinimizeToTray=1\n' >"$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
  chmod 000 "$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
  before=$(md5sum <"$XDG_CONFIG_HOME/Orvelle/Orvelle.conf")
  start
  check "an unreadable config: the program starts with its window" wait_for has_visible '^Orvelle - '
  check "an unreadable config: the file is left as it was" test "$(md5sum <"$XDG_CONFIG_HOME/Orvelle/Orvelle.conf")" = "$before"
  end_program

  new_app
  cp "$saints" "$app/saints_out.csv"
  chmod 555 "$XDG_CONFIG_HOME/Orvelle"
  before=$(conf)
  start
  check "a read-only config folder: the program starts" wait_for has_visible '^Orvelle - '
  main=$(visible '^Orvelle - ')
  xdotool windowfocus --sync "$main" 2>/dev/null
  xdotool key --delay 100 alt+p Return
  if wait_for has_visible '^Options$'; then
    eval "$(xdotool getwindowgeometry --shell "$(visible '^Options$')")"
    xdotool mousemove --sync $((X + 260)) $((Y + 212)) click 1 # OK
    box=$(wait_for has_visible '^Orvelle of Saints$' && visible '^Orvelle of Saints$')
    check "a read-only config folder: OK says the write failed" \
      grep -qF "Failed to set data for 'MinimizeToTray'" <<<"$( [ -n "$box" ] && box_text "$box")"
    xdotool key Return
  fi
  check "a read-only config folder: nothing else changed" test "$(conf)" = "$before"
  end_program
fi

# A kill at any moment of a burst of writes leaves the old file or the new one, never half of one.
new_app
whole=0
for i in $(seq 20); do
  "$settings_writer" "$XDG_CONFIG_HOME/Orvelle/Orvelle.conf" 100000 >/dev/null &
  w=$!
  sleep "0.$((RANDOM % 9 + 1))"
  kill -9 "$w" 2>/dev/null; wait "$w" 2>/dev/null
  f="$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
  grep -qx '\[General\]' "$f" && grep -qE '^AlarmMessage=[0-9]+:x+\|end$' "$f" && grep -qE '^MinimizeToTray=[01]$' "$f" &&
    whole=$((whole + 1))
done
check "a kill during settings writes leaves a whole file ($whole of 20)" test "$whole" -eq 20

# --- Single instance ---
new_app
cp "$saints" "$app/saints_out.csv"
firsts=0 clean=0
for i in $(seq 20); do
  "$app/orvelle" & a=$!
  "$app/orvelle" & b=$!
  wait_for has_visible '^Orvelle - '
  # The second copy ends by itself with 0; the first keeps running.
  wait_for bash -c "! kill -0 $a 2>/dev/null || ! kill -0 $b 2>/dev/null"
  if ! kill -0 "$a" 2>/dev/null; then loser=$a winner=$b; else loser=$b winner=$a; fi
  wait "$loser"; code=$?
  [ "$code" -eq 0 ] && clean=$((clean + 1))
  kill -0 "$winner" 2>/dev/null && [ "$(count_visible '^Orvelle - ')" -eq 1 ] && firsts=$((firsts + 1))
  kill -TERM "$winner"; wait "$winner" 2>/dev/null
done
check "two racing starts: exactly one first copy ($firsts of 20)" test "$firsts" -eq 20
check "two racing starts: the other exits with 0 ($clean of 20)" test "$clean" -eq 20

"$app/orvelle" & a=$!; pids+=($a)
wait_for has_visible '^Orvelle - '
sock=$(find "$XDG_RUNTIME_DIR" -type s | head -n 1)
check "the activation socket is its user's alone" test -n "$sock" -a "$(stat -c %a "$sock" | cut -c2-)" = "00"
kill -9 "$a"; wait "$a" 2>/dev/null
check "a killed copy leaves its lock and socket behind" test -n "$(ls -A "$XDG_RUNTIME_DIR")"
"$app/orvelle" & a=$!; pids+=($a)
check "... which do not block the next start" wait_for has_visible '^Orvelle - '
kill -TERM "$a"; wait "$a" 2>/dev/null

finish
