#!/usr/bin/env bash
# Draws the program icon: a rounded blue tile with a white "K" and three sound-wave arcs.
# Writes the Windows icon app/win32/klarvon.ico (16, 32, 48 and 256 pixels) and the Linux
# desktop icons packaging/klarvon-48.png and packaging/klarvon-256.png. Deterministic for
# a given ImageMagick version; the files carry no metadata.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v convert >/dev/null 2>&1; then
  echo "make-icon.sh needs ImageMagick's 'convert' (Debian: apt-get install imagemagick)." >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Drawn once at 256 pixels and scaled down, so the small sizes stay smooth.
convert -size 256x256 xc:none \
  -fill '#2f5f9e' -draw 'roundrectangle 8,8 247,247 40,40' \
  -fill none -stroke '#ffd45a' -strokewidth 16 \
  -draw 'arc 130,52 236,204 -55,55' -draw 'arc 150,92 200,164 -55,55' \
  -stroke none -fill white -font DejaVu-Sans-Bold -pointsize 170 \
  -gravity west -annotate +24+4 'K' \
  -strip "$work/icon-256.png"
for size in 16 32 48; do
  convert "$work/icon-256.png" -resize "${size}x${size}" -strip "$work/icon-$size.png"
done
# The 256-pixel image, which Explorer shows in large views, goes in as PNG, as Windows
# Vista and later take it (ImageMagick stores an image of 256 pixels so); the small ones
# stay bitmaps, which every version reads.
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" "$work/icon-256.png" \
  -define png:exclude-chunks=date,time app/win32/klarvon.ico
echo "wrote app/win32/klarvon.ico"
for size in 48 256; do
  convert "$work/icon-$size.png" -depth 8 -define png:exclude-chunks=date,time "packaging/klarvon-$size.png"
  echo "wrote packaging/klarvon-$size.png"
done
