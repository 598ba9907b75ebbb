#!/usr/bin/env bash
# Renders the application icon (assets/icons/orvelle.svg) into the Windows icon assets/orvelle.ico:
# every size the shell asks for, 16 to 256 px; the 256 px image is kept as PNG, as Windows expects.
# Needs librsvg2-bin and icoutils. Run it again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
small=()
for size in 16 20 24 32 40 48 64 128; do
  rsvg-convert -w $size -h $size assets/icons/orvelle.svg -o "$work/$size.png"
  small+=("$work/$size.png")
done
rsvg-convert -w 256 -h 256 assets/icons/orvelle.svg -o "$work/256.png"
icotool -c -o assets/orvelle.ico "${small[@]}" --raw="$work/256.png"
icotool -l assets/orvelle.ico
