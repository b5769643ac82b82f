#!/usr/bin/env bash
# Renders the icon's PNG sizes and the Windows icon from trellwick.svg, the one
# drawing they all come from. Run by hand after a change to the drawing, and
# commit what it makes. Needs rsvg-convert (librsvg2-bin) and ImageMagick.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" trellwick.svg --output "trellwick-$size.png"
done
convert trellwick-16.png trellwick-32.png trellwick-48.png trellwick-256.png trellwick.ico
