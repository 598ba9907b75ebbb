#!/usr/bin/env bash
# Prints from the real program under Xvfb as a person would: the Print command, one saint unticked
# in the print selection dialog, OK; the pages are read back from the PDF file the job wrote.
source "$(dirname "$0")/e2e.sh"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Orvelle" && mkdir -m 700 "$XDG_RUNTIME_DIR"
gone() { test -z "$(visible "$1")"; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; } # click WINDOW X Y (client area)

# Three saints of today: a wrapped profile, one to leave unticked, and one that fills pages.
sentence() { local i s="$1"; for i in $(seq 2 "$2"); do s+=" $1$i"; done; echo "$s"; }
today=$(date +%m.%d.)
{
  echo "$today;Anne;Anne;Mother of Mary;$(sentence wrap 60);1st century;;cal;;;"
  echo "$today;Bernard;Bernard;Abbot;Left out of the print.;1153;;cal;;;"
  echo "$today;Cuthbert;Cuthbert;Bishop;$(sentence long 1400);687;;cal;;;"
} >"$app/saints_out.csv"
printf '[General]\nMinimizeToTray=0\nDisplayInfoAtStartup=0\n' >"$XDG_CONFIG_HOME/Orvelle/Orvelle.conf"
pdf="$work/printed.pdf"

ORVELLE_PRINT_TO_PDF="$pdf" "$app/orvelle" & program=$!; pids+=($program)
check "the main window appears" wait_for has_visible '^Orvelle - '
main=$(visible '^Orvelle - ')
# Program menu, second item: Print.
xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key alt+p Down Return
check "the print selection dialog opens" wait_for has_visible '^PrintForm$'
dialog=$(visible '^PrintForm$')
[ -n "$dialog" ] || { echo "$passed passed, $((failed + 1)) failed"; exit 1; }
# Bernard, the second entry, unticked with the space bar.
click "$dialog" 100 43
xdotool key space
sleep 0.3 # let the dialog repaint for the picture
import -window "$dialog" "$out/print-dialog.png" 2>/dev/null
# View Saint opens the Day Info window, which takes clicks while the dialog is open: Close works.
click "$dialog" 237 164
check "View Saint shows the Day Info window" wait_for has_visible '^Day Info$'
info=$(visible '^Day Info$')
[ -n "$info" ] && click "$info" 325 444
check "the Day Info window closes while the dialog is open" wait_for gone '^Day Info$'
click "$dialog" 325 244
check "the job writes a complete PDF file" wait_for pdfinfo "$pdf"
check "the dialog has closed" wait_for gone '^PrintForm$'

pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
text() { pdftotext -layout -f "$1" -l "$1" "$pdf" - 2>/dev/null | grep -v '^[[:space:]]*$'; }
first_line() { text "$1" | head -n 1 | sed 's/^ *//;s/ *$//'; }
check "Anne's page comes first ($pages pages)" test "$(first_line 1)" = Anne
check "Cuthbert begins the second page" test "$(first_line 2)" = Cuthbert
check "the unticked Bernard is not printed" test -z "$(pdftotext "$pdf" - | grep -E 'Bernard|Left out')"
check "a long profile continues on the next page with no repeated name" \
  test "$(first_line 3 | cut -c1-4)" = long
words=$(for p in $(seq 2 "$pages"); do text "$p"; done | tr -s ' \n' '\n\n' | grep -c '^long')
check "every word of the long profile is printed once ($words of 1400)" test "$words" -eq 1400

# Line boxes in points: each continuation line starts a space's width right of the first line,
# and no line reaches past the bottom of the page.
boxes=$(pdftotext -bbox-layout "$pdf" - 2>/dev/null)
page_height=$(grep -o '<page width="[0-9.]*" height="[0-9.]*"' <<<"$boxes" | head -n 1 | grep -o 'height="[0-9.]*"' | tr -dc '0-9.')
read -r left1 left2 < <(grep -o '<line xMin="[0-9.]*"' <<<"$boxes" | sed -n '2p;3p' | tr -dc '0-9.\n' | paste -sd' ')
check "the continuation line of Anne's profile begins with a space ($left1 -> $left2)" \
  awk -v a="$left1" -v b="$left2" 'BEGIN { d = b - a; exit !(d > 3 && d < 6) }'
# The printable area's margins are alike on all sides; its text starts 120 units (7.2 pt) inside.
lowest=$(grep -o 'yMax="[0-9.]*"' <<<"$boxes" | tr -dc '0-9.\n' | sort -g | tail -n 1)
check "no line is cut by the bottom edge ($lowest pt, page $page_height pt)" \
  awk -v y="$lowest" -v h="$page_height" -v l="$left1" 'BEGIN { exit !(y <= h - (l - 7.2) + 0.5) }'
pdftoppm -png -r 60 -f 1 -l 1 "$pdf" "$out/printed-page" 2>/dev/null

kill -TERM "$program"; wait "$program" 2>/dev/null
finish
