#!/usr/bin/env bash
# `make test-windows`: cross-builds the Qt-free core, the Win32 layer and their tests with
# mingw-w64 into BUILD (default build-windows/) and runs the tests under Wine with ctest, headless,
# in a Wine prefix of the build folder's own. Installs the toolchain and Wine when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
jobs=${JOBS:-2}

tools/install-deps.sh cmake ninja-build make g++-mingw-w64-x86-64-posix wine wine64 googletest

flags=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DORVELLE_GUI=OFF)
[ -z "${CI:-}" ] || flags+=(-DORVELLE_WERROR=ON)
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja "${flags[@]}"
nice -n 10 cmake --build "$build" -j"$jobs"

# Wine: its own prefix, no display, no debug noise, no offer to install Mono or Gecko.
export WINEPREFIX=$PWD/$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/.orvelle-ready" ]; then
  echo "== preparing the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1
  # The null graphics driver: windows exist (for the broadcast test) without any display.
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.orvelle-ready"
fi
# One server and one set of Wine's own background processes for the whole run, started here with
# no pipe of ctest's: ctest waits until a test's output pipe closes, and a server or service that a
# test's Wine started would hold it open after the test ended. A shell reading from this script
# keeps them alive until the script ends (its input closes then).
wineserver -k >/dev/null 2>&1 || true # one left by an interrupted run
wineserver -p </dev/null >/dev/null 2>&1
exec 3> >(wine cmd.exe >/dev/null 2>&1)
trap 'exec 3>&-; wineserver -k >/dev/null 2>&1 || true' EXIT
wine cmd.exe /c exit </dev/null >/dev/null 2>&1

cd "$build"
ctest --output-on-failure -j"$jobs"
