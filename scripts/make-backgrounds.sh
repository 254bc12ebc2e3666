#!/usr/bin/env bash
# Draws the two window backgrounds into assets/:
#   main-background.jpg   896 x 717  behind the main window (it shows rows 136 and below)
#   about-background.jpg 1024 x 768  behind the About window (shown scaled down to 235 x 241)
# Both are drawn from scratch: gradients, soft light, sound-wave lines and a fine grain.
# The output is deterministic for a given ImageMagick version: every random element comes
# from a fixed seed, and the files carry no metadata (and so no dates).
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v convert >/dev/null 2>&1; then
  echo "make-backgrounds.sh needs ImageMagick's 'convert'." >&2
  echo "On Debian or Ubuntu: sudo apt-get install imagemagick" >&2
  exit 1
fi

out_dir=assets
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Baseline (not progressive) JPEG, no metadata, 4:2:0 chroma: small files the decoder
# reads in one pass.
jpeg_options=(-strip -interlace none -sampling-factor 2x2 -quality 85)

# Prints a "polyline x,y x,y ..." draw command: a sine wave whose amplitude swells and
# fades along the width like a sound burst.
#   wave WIDTH CENTRE_Y AMPLITUDE WAVELENGTH PHASE ENVELOPE_CENTRE_X ENVELOPE_WIDTH
wave() {
  awk -v w="$1" -v cy="$2" -v amp="$3" -v len="$4" -v phase="$5" -v ex="$6" -v ew="$7" '
    BEGIN {
      pi = atan2(0, -1)
      line = "polyline"
      for (x = -4; x <= w + 4; x += 2) {
        d = (x - ex) / ew
        envelope = 0.25 + 0.75 * exp(-d * d)
        y = cy + amp * envelope * sin(2 * pi * x / len + phase) * (0.8 + 0.2 * sin(2 * pi * x / (len * 5.3)))
        line = line sprintf(" %d,%.1f", x, y)
      }
      print line
    }'
}

# Prints "circle" draw commands for soft points of light, from a small fixed-seed
# generator (Park-Miller, exact in awk's doubles, so every awk gives the same points).
#   lights COUNT SEED X0 X1 Y0 Y1 R0 R1
lights() {
  awk -v n="$1" -v seed="$2" -v x0="$3" -v x1="$4" -v y0="$5" -v y1="$6" -v r0="$7" -v r1="$8" '
    function next_unit() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
    BEGIN {
      for (i = 0; i < n; i++) {
        x = x0 + (x1 - x0) * next_unit()
        y = y0 + (y1 - y0) * next_unit()
        r = r0 + (r1 - r0) * next_unit()
        printf "circle %.1f,%.1f %.1f,%.1f\n", x, y, x + r, y
      }
    }'
}

make_main() {
  local w=896 h=717
  # Dusk sky: cool lavender at the top, warm sand at the bottom. The window shows rows
  # 136 to 553, so the colours change most inside that band.
  convert -size ${w}x$((h / 2)) gradient:'#a9b6d3'-'#d9cfd8' \
          -size ${w}x$((h - h / 2)) gradient:'#d9cfd8'-'#ecd8bf' \
          -append -blur 0x12 "$work/main-sky.png"

  # A low, wide glow where the sun has just gone down, right of centre: warmer, not
  # brighter, so the pale controls on top keep their edges.
  convert -size ${w}x${h} xc:black -fill white -draw "ellipse 600,560 420,190 0,360" \
          -blur 0x90 "$work/main-glow-mask.png"
  convert -size ${w}x${h} xc:'#f0c7a2' "$work/main-glow-mask.png" \
          -alpha off -compose CopyOpacity -composite \
          -channel A -evaluate multiply 0.55 +channel "$work/main-glow.png"

  # Sound waves running across the visible band, thin and pale.
  {
    echo "fill none stroke-linecap round stroke-linejoin round"
    echo "stroke rgba(255,255,255,0.55) stroke-width 2"
    wave $w 430 34 220 0.0 470 260
    echo "stroke rgba(255,255,255,0.40) stroke-width 1.5"
    wave $w 438 22 150 1.3 380 300
    echo "stroke rgba(120,120,160,0.22) stroke-width 1.5"
    wave $w 424 46 310 2.4 560 220
    echo "stroke rgba(255,255,255,0.30) stroke-width 1"
    wave $w 446 14 96 0.7 300 340
  } >"$work/main-waves.mvg"
  convert -size ${w}x${h} xc:none -draw "$(cat "$work/main-waves.mvg")" -blur 0x0.8 \
          "$work/main-waves.png"

  # Fine grain, like a matte print, so the gradient does not band.
  convert -size ${w}x${h} xc:gray50 -seed 7105 -attenuate 0.35 +noise Gaussian \
          -colorspace Gray -blur 0x0.6 "$work/main-grain.png"

  convert "$work/main-sky.png" \
          "$work/main-glow.png" -compose Over -composite \
          "$work/main-waves.png" -compose Over -composite \
          \( "$work/main-grain.png" -alpha set -channel A -evaluate set 18% +channel \) \
          -compose Overlay -composite \
          "${jpeg_options[@]}" "$out_dir/main-background.jpg"
}

make_about() {
  local w=1024 h=768
  # Night over a road: deep blue-green at the top, a dim teal horizon low down.
  convert -size ${w}x$((h * 3 / 4)) gradient:'#0a1024'-'#143247' \
          -size ${w}x$((h - h * 3 / 4)) gradient:'#143247'-'#0c1726' \
          -append -blur 0x20 "$work/about-sky.png"

  # Horizon glow, wide and weak, below the credit line.
  convert -size ${w}x${h} xc:black -fill white -draw "ellipse 512,560 600,90 0,360" \
          -blur 0x70 "$work/about-glow-mask.png"
  convert -size ${w}x${h} xc:'#2f7482' "$work/about-glow-mask.png" \
          -alpha off -compose CopyOpacity -composite "$work/about-glow.png"

  # Distant lights: a few soft, out-of-focus points, large enough to survive the
  # scaling down to a quarter of the size.
  {
    echo "stroke none fill rgba(150,205,225,0.22)"
    lights 24 20240607 40 984 30 500 10 28
    echo "fill rgba(255,210,150,0.18)"
    lights 14 1989 40 984 480 560 12 30
  } >"$work/about-lights.mvg"
  convert -size ${w}x${h} xc:none -draw "$(cat "$work/about-lights.mvg")" -blur 0x6 \
          "$work/about-lights.png"

  # One faint wave along the horizon, teal, so it stays clear of the fuchsia labels.
  {
    echo "fill none stroke-linecap round stroke-linejoin round"
    echo "stroke rgba(90,190,200,0.35) stroke-width 5"
    wave $w 572 34 260 0.9 512 300
    echo "stroke rgba(90,190,200,0.20) stroke-width 3"
    wave $w 580 22 170 2.1 420 340
  } >"$work/about-waves.mvg"
  convert -size ${w}x${h} xc:none -draw "$(cat "$work/about-waves.mvg")" -blur 0x2 \
          "$work/about-waves.png"

  convert -size ${w}x${h} xc:gray50 -seed 4471 -attenuate 0.4 +noise Gaussian \
          -colorspace Gray -blur 0x0.8 "$work/about-grain.png"

  # Darker corners keep the eye on the middle, where the labels are.
  convert -size ${w}x${h} radial-gradient:white-black -level 0%,80% +level 35%,100% \
          "$work/about-vignette.png"

  convert "$work/about-sky.png" \
          "$work/about-glow.png" -compose Screen -composite \
          "$work/about-lights.png" -compose Screen -composite \
          "$work/about-waves.png" -compose Over -composite \
          \( "$work/about-grain.png" -alpha set -channel A -evaluate set 14% +channel \) \
          -compose Overlay -composite \
          "$work/about-vignette.png" -compose Multiply -composite \
          "${jpeg_options[@]}" "$out_dir/about-background.jpg"
}

make_main
make_about
ls -l "$out_dir/main-background.jpg" "$out_dir/about-background.jpg"
