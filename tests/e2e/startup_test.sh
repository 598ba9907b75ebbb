#!/usr/bin/env bash
# Starts the real program under Xvfb with a temporary home and checks what a person would see:
# the main window, one copy at a time, recovery after a crash, and a missing saints file.
set -uo pipefail
exe=$1 saints=$2 out=$3
mkdir -p "$out"
work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
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
wait_window() { # wait_window TITLE-REGEX -> prints window id (waits up to 20 s on a busy machine)
  for _ in $(seq 200); do
    local w
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}

app="$work/app"
mkdir -p "$app" && cp "$exe" "$app/orvelle" && cp "$saints" "$app/saints_out.csv"

"$app/orvelle" & first=$!; pids+=($first)
main=$(wait_window '^Orvelle - ')
check "the main window appears" test -n "$main"
[ -n "$main" ] && sleep 0.5 && import -window "$main" "$out/main-window.png" 2>/dev/null

start=$(date +%s%N)
timeout 10 "$app/orvelle"; second=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
check "a second start exits with 0 (took ${elapsed_ms} ms)" test "$second" -eq 0
# It waits at most two seconds for the first copy; the rest is its own start-up and exit.
check "the second start ends within about two seconds" test "$elapsed_ms" -lt 3000
check "the first copy keeps running" kill -0 "$first"
windows=$(xdotool search --onlyvisible --name '^Orvelle - ' 2>/dev/null | wc -l)
check "the second start shows no window of its own" test "$windows" -eq 1

kill -9 "$first"; wait "$first" 2>/dev/null
"$app/orvelle" & third=$!; pids+=($third)
check "after a crash of the first copy a new start becomes the first copy" test -n "$(wait_window '^Orvelle - ')"
kill -TERM "$third"; wait "$third"; code=$?
check "the program ends cleanly on SIGTERM" test "$code" -eq 0

# Without its saints file the program says which file it could not open, then starts all the same.
nodata="$work/nodata"
mkdir -p "$nodata" && cp "$exe" "$nodata/orvelle"
"$nodata/orvelle" & fourth=$!; pids+=($fourth)
box=$(wait_window '^Orvelle of Saints$')
check "an error box appears for the missing file" test -n "$box"
if [ -n "$box" ]; then
  import -window "$box" "$out/missing-file-box.png" 2>/dev/null
  xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key ctrl+c; sleep 0.3
  text=$(xclip -selection clipboard -o 2>/dev/null)
  check "the box names the missing file" grep -qF "Could not open file [$nodata/saints_out.csv]" <<<"$text"
  xdotool key Return
fi
check "the main window appears after the error" test -n "$(wait_window '^Orvelle - ')"
kill -TERM "$fourth"; wait "$fourth" 2>/dev/null

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
