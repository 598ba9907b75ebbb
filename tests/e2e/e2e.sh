# Sourced by the end-to-end scripts, whose arguments are the program, the saints file and the
# folder for screenshots: a copy of the program in a work folder removed at the end together with
# every process started, a display of its own, and helpers that wait for what a person would see.
set -uo pipefail
exe=$1 saints=$2 out=$3
mkdir -p "$out"
work=$(mktemp -d)
unset QT_QPA_PLATFORM
pids=()
cleanup() { kill -9 "${pids[@]}" 2>/dev/null; kill "${XVFB_PID:-}" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xvfb.sh"
start_xvfb || exit 1
app="$work/app"
mkdir -p "$app" && cp "$exe" "$app/orvelle" && cp "$saints" "$app/saints_out.csv"

passed=0 failed=0
check() { # check NAME COMMAND...
  if "${@:2}"; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi
}
wait_for() { # wait_for COMMAND... : up to 20 s on a busy machine
  for _ in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_visible() { [ -n "$(visible "$1")" ]; }
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; }
clipboard() { xclip -selection clipboard -o 2>/dev/null; }
# copied KEYS...: what the keys put on the clipboard. A marker is put there first, so that text
# left from before is never taken for the new; xclip serves it from the background, holding none
# of our pipes (a command substitution would wait for it).
copied() {
  local marker="nothing copied $RANDOM"
  printf '%s' "$marker" | xclip -selection clipboard -i >/dev/null 2>&1
  wait_for eval '[ "$(clipboard)" = "$marker" ]'
  xdotool key "$@"
  wait_for eval '[ -n "$(clipboard)" ] && [ "$(clipboard)" != "$marker" ]' && clipboard
}
