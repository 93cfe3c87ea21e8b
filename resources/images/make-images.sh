#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Redraws the logo, the about-box banner and the application icon from scratch.
#
# Needs: imagemagick (convert), fonts-liberation2 and python3 (standard library only).
#   apt-get install -y imagemagick fonts-liberation2 python3
#
# Writes next to this script:
#   logo.bmp          150x43, 24-bit uncompressed BMP
#   logo@2x.bmp       300x86, the same drawn at twice the size for HiDPI screens
#   banner.bmp        200x65, 24-bit uncompressed BMP
#   banner@2x.bmp     400x130, the same drawn at twice the size
#   tarnwick.ico      one 32x32 entry, 16 colours (4 bpp) with a 1-bit mask
#   icons/NxN/example.tarnwick.Tarnwick.png
#                     theme icons, 8-bit RGBA, N = 16 22 24 32 48 64 128 256
#   icons/scalable/example.tarnwick.Tarnwick.svg
#                     the icon's shapes as plain SVG, 256x256 view box
#
# The committed pictures come from Debian 12's ImageMagick 6.9.11 and
# fonts-liberation2 2.1.5; other versions may draw slightly different pixels.
set -euo pipefail

out=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fonts=/usr/share/fonts/truetype/liberation2
bold=$fonts/LiberationSans-Bold.ttf
regular=$fonts/LiberationSans-Regular.ttf
for f in "$bold" "$regular"; do
    [ -r "$f" ] || { echo "missing $f (apt-get install fonts-liberation2)" >&2; exit 1; }
done

navy='#1b3a6b'
orange='#e07b1a'
teal='#1a9ba0'
sky='#dcebf7'

# Plain 24-bit BMP with a 40-byte header: older loaders reject the newer header kinds.
bmp24() { convert "$@" -alpha off -type TrueColor BMP3:-; }

# --- icon ------------------------------------------------------------------
# A blue drop over a grey flowing ribbon, drawn at 256 px and scaled down so
# the 32 px version keeps smooth edges. A white rim, kept to where the drop
# overlaps the ribbon, sets the two apart; the drop's own outline stays the
# outer edge so the on/off mask of the .ico follows a dark line.
drop='M 128,14 C 150,52 200,104 200,148 A 72,72 0 0 1 56,148 C 56,104 106,52 128,14 Z'
ribbon_edge='M 8,190 C 60,150 100,226 150,192 S 222,162 248,178 L 248,226 C 222,210 192,240 150,244 S 60,204 8,244 Z'
ribbon_shine='M 22,214 C 62,188 102,244 150,220 S 214,194 236,203'
shade='M 128,42 C 150,78 186,116 186,152 A 58,58 0 0 1 128,206 A 88,88 0 0 0 168,146 C 168,116 146,80 128,42 Z'
shine='M 88,130 C 88,106 104,82 118,62'

# icon SIZE FILE: the design at SIZE px. Scaled straight down, the dark outline
# and the white rim would fade to half a pixel below 32 px, so there each is
# widened to one whole pixel, about what they are at 32 px, and a box filter
# keeps their edges from smearing into the next pixel.
icon() {
    local size=$1 line=9 rim_line=26 filter=()
    if [ "$size" -lt 32 ]; then
        line=$(((256 + size / 2) / size))
        rim_line=$((3 * line))
        filter=(-filter Box)
    fi
    local ribbon="
stroke-linejoin round  stroke-linecap round
stroke '#4d5660' stroke-width $line fill '#a9b2bb'
path '$ribbon_edge'
stroke '#ffffff' stroke-width 12 fill none
path '$ribbon_shine'
"
    local rim="stroke '#ffffff' stroke-width $rim_line fill '#ffffff'  path '$drop'"
    local body="
stroke-linejoin round  stroke-linecap round
stroke '#0c3470' stroke-width $line fill '#2a78d4'  path '$drop'
stroke none fill '#1a5cb0'
path '$shade'
stroke '#ffffff' stroke-width 15 fill none
path '$shine'
stroke none fill '#ffffff'  circle 86,158 86,166
"
    convert -size 256x256 xc:none -draw "$ribbon" "$tmp/ribbon.png"
    convert -size 256x256 xc:none -draw "$rim" "$tmp/ribbon.png" -compose DstIn -composite "$tmp/rim.png"
    convert "$tmp/ribbon.png" "$tmp/rim.png" -composite -draw "$body" \
        "${filter[@]}" -resize "${size}x$size" "$2"
}
for size in 16 22 24 32 48 64 128 256; do
    icon "$size" "$tmp/icon$size.png"
    mkdir -p "$out/icons/${size}x$size"
    convert "$tmp/icon$size.png" -strip -depth 8 \
        PNG32:"$out/icons/${size}x$size/example.tarnwick.Tarnwick.png"
done

# The same shapes for the scalable theme icon. The rim is masked by the
# ribbon's full outline, stroke included, just as it is cut above.
mkdir -p "$out/icons/scalable"
cat >"$out/icons/scalable/example.tarnwick.Tarnwick.svg" <<SVG
<?xml version="1.0" encoding="UTF-8"?>
<!-- SPDX-License-Identifier: MIT -->
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <mask id="on-ribbon" maskUnits="userSpaceOnUse" x="0" y="0" width="256" height="256">
      <path d="$ribbon_edge" fill="#ffffff" stroke="#ffffff" stroke-width="9"
            stroke-linejoin="round" stroke-linecap="round"/>
    </mask>
  </defs>
  <g stroke-linejoin="round" stroke-linecap="round">
    <path d="$ribbon_edge" fill="#a9b2bb" stroke="#4d5660" stroke-width="9"/>
    <path d="$ribbon_shine" fill="none" stroke="#ffffff" stroke-width="12"/>
  </g>
  <path d="$drop" fill="#ffffff" stroke="#ffffff" stroke-width="26" mask="url(#on-ribbon)"/>
  <g stroke-linejoin="round" stroke-linecap="round">
    <path d="$drop" fill="#2a78d4" stroke="#0c3470" stroke-width="9"/>
    <path d="$shade" fill="#1a5cb0"/>
    <path d="$shine" fill="none" stroke="#ffffff" stroke-width="15"/>
    <circle cx="86" cy="158" r="8" fill="#ffffff"/>
  </g>
</svg>
SVG

# The .ico entry has 16 colours and an on/off mask. Index 0 stays black for the
# masked-out pixels, so the picture gets at most 15 colours: a fixed set picked
# for this drawing (its flat colours plus the in-between shades its edges
# need), which keeps the outline dark where a computed set would wash it out.
# The hidden pixels are filled with the drop's blue so they match a colour too.
ico_colours=('#0c3470' '#1b4f94' '#1a5cb0' '#2a78d4' '#5b93da' '#9cc0ec' '#ffffff'
             '#e2e6ea' '#a9b2bb' '#7b848d' '#4d5660' '#2f4258' '#65809f' '#c9d6e4' '#3f6a9e')
convert "${ico_colours[@]/#/xc:}" +append "$tmp/ico-colours.png"
convert "$tmp/icon32.png" -depth 8 rgba:"$tmp/icon.rgba"
convert "$tmp/icon32.png" -background '#2a78d4' -alpha remove \
    +dither -remap "$tmp/ico-colours.png" -depth 8 rgb:"$tmp/icon.rgb"
python3 - "$tmp/icon.rgba" "$tmp/icon.rgb" "$out/tarnwick.ico" <<'PY'
import struct
import sys

SIDE = 32
rgba = open(sys.argv[1], "rb").read()
rgb = open(sys.argv[2], "rb").read()
assert len(rgba) == SIDE * SIDE * 4 and len(rgb) == SIDE * SIDE * 3

shown = [rgba[i * 4 + 3] >= 128 for i in range(SIDE * SIDE)]
colour = [rgb[i * 3:i * 3 + 3] for i in range(SIDE * SIDE)]

palette = [b"\0\0\0"]
for i in range(SIDE * SIDE):
    if shown[i] and colour[i] not in palette:
        palette.append(colour[i])
if len(palette) > 16:
    sys.exit(f"icon needs {len(palette)} colours, 16 at most fit")
index = [palette.index(colour[i]) if shown[i] else 0 for i in range(SIDE * SIDE)]

# Rows go bottom-up; 4-bit rows are 16 bytes and mask rows 4, both already
# multiples of 4 so no padding is needed.
pixels = bytearray()
mask = bytearray()
for y in reversed(range(SIDE)):
    row = index[y * SIDE:(y + 1) * SIDE]
    pixels += bytes(row[x] << 4 | row[x + 1] for x in range(0, SIDE, 2))
    bits = "".join("0" if shown[y * SIDE + x] else "1" for x in range(SIDE))
    mask += int(bits, 2).to_bytes(SIDE // 8, "big")

table = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette).ljust(16 * 4, b"\0")
# Height counts the picture and its mask together, as icon entries require.
header = struct.pack("<IiiHHIIiiII", 40, SIDE, SIDE * 2, 1, 4, 0,
                     len(pixels) + len(mask), 0, 0, 16, 0)
image = header + table + pixels + mask
entry = struct.pack("<BBBBHHII", SIDE, SIDE, 16, 0, 1, 4, len(image), 6 + 16)
with open(sys.argv[3], "wb") as f:
    f.write(struct.pack("<HHH", 0, 1, 1) + entry + image)

PY

# --- logo --------------------------------------------------------------------
# The name in two colours with a small wave under it, on white. logo SCALE FILE
# draws it at SCALE times 150x43, so the HiDPI copy is drawn, not enlarged.
wave='M 48,138'
for i in 0 1 2 3; do
    x=$((48 + i * 126))
    crest=$((i % 2 ? 162 : 114))
    wave="$wave Q $((x + 63)),$crest $((x + 126)),138"
done
logo() {
    local k=$1
    convert -size 600x172 xc:none -fill none -stroke "$teal" -strokewidth 7 \
        -draw "stroke-linecap round path '$wave'" -resize $((150 * k))x$((43 * k)) "$tmp/wave.png"
    # The two halves are rendered apart so each can have its own colour.
    convert -background none -font "$bold" -pointsize $((30 * k)) -fill "$navy" label:Tarn \
        -fill "$orange" label:wick +append -trim +repage "$tmp/name.png"
    bmp24 -size $((150 * k))x$((43 * k)) xc:white \
        "$tmp/name.png" -gravity north -geometry +0+$((4 * k)) -composite \
        "$tmp/wave.png" -gravity northwest -geometry +0+0 -composite >"$2"
}
logo 1 "$out/logo.bmp"
logo 2 "$out/logo@2x.bmp"

# --- banner ------------------------------------------------------------------
# Product lines and the web address at 11 px, hinted so they stay sharp at
# this size, with the icon at the right. banner SCALE FILE draws it at SCALE
# times 200x65, with the icon drawn at SCALE times 32 px.
banner() {
    local k=$1
    bmp24 -size $((200 * k))x$((65 * k)) xc:"$sky" \
        -fill "$teal" -draw "rectangle 0,0 $((4 * k - 1)),$((65 * k - 1))" \
        -font "$bold" -pointsize $((11 * k)) -fill "$navy" \
        -annotate +$((12 * k))+$((15 * k)) 'Viscosity Converter' \
        -annotate +$((12 * k))+$((29 * k)) 'Density & Gravity Tools' \
        -annotate +$((12 * k))+$((43 * k)) 'Flow Calculators' \
        -font "$regular" -fill '#0b5d61' -annotate +$((12 * k))+$((58 * k)) 'www.tarnwick.example' \
        "$tmp/icon$((32 * k)).png" -geometry +$((158 * k))+$((16 * k)) -composite >"$2"
}
banner 1 "$out/banner.bmp"
banner 2 "$out/banner@2x.bmp"
