# Sourced by the scripts that need a display: starts Xvfb on a display it picks itself, never
# resetting (a reset when the last client leaves refuses the next one), and waits until it answers.
# Sets DISPLAY and XVFB_PID.
start_xvfb() { # start_xvfb [SCREEN-GEOMETRY]
  local fifo dir
  dir=$(mktemp -d)
  fifo="$dir/displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${1:-1024x768x24}" 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r -t 20 number <"$fifo" || { rm -rf "$dir"; echo "Xvfb did not start" >&2; return 1; }
  rm -rf "$dir"
  export DISPLAY=":$number"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.05; done
  echo "Xvfb on $DISPLAY does not answer" >&2
  return 1
}
