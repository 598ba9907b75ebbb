#!/usr/bin/env bash
# startup-bench.sh BUILD [RUNS]: the start-up benchmark under a fresh Xvfb, Orvelle with the tray
# and the info box off (the splash on), against an empty Qt window.
set -euo pipefail
build=$1 runs=${2:-20}
work=$(mktemp -d)
trap 'kill ${XVFB_PID:-} 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/xvfb.sh"
start_xvfb
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Orvelle" && mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[General]\nDisplayInfoAtStartup=0\nMinimizeToTray=0\n' >"$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
unset QT_QPA_PLATFORM
"$build/bench/startup_bench" "$build/orvelle" "$build/bench/empty_window" "$runs"
