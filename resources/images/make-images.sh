#!/usr/bin/env bash
# Redraws the logo, the about-box banner and the application icon from scratch.
#
# Needs: imagemagick (convert), fonts-liberation2 and python3 (standard library only).
#   apt-get install -y imagemagick fonts-liberation2 python3
#
# Writes next to this script:
#   logo.bmp      150x43, 24-bit uncompressed BMP
#   banner.bmp    200x65, 24-bit uncompressed BMP
#   tarnwick.ico  one 32x32 entry, 16 colours (4 bpp) with a 1-bit mask
#   tarnwick.png  the same icon, 32x32 with smooth transparency, for the desktop
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
ribbon="
stroke-linejoin round  stroke-linecap round
stroke '#4d5660' stroke-width 9 fill '#a9b2bb'
path 'M 8,190 C 60,150 100,226 150,192 S 222,162 248,178 L 248,226 C 222,210 192,240 150,244 S 60,204 8,244 Z'
stroke '#ffffff' stroke-width 12 fill none
path 'M 22,214 C 62,188 102,244 150,220 S 214,194 236,203'
"
rim="stroke '#ffffff' stroke-width 26 fill '#ffffff'  path '$drop'"
body="
stroke-linejoin round  stroke-linecap round
stroke '#0c3470' stroke-width 9 fill '#2a78d4'  path '$drop'
stroke none fill '#1a5cb0'
path 'M 128,42 C 150,78 186,116 186,152 A 58,58 0 0 1 128,206 A 88,88 0 0 0 168,146 C 168,116 146,80 128,42 Z'
stroke '#ffffff' stroke-width 15 fill none
path 'M 88,130 C 88,106 104,82 118,62'
stroke none fill '#ffffff'  circle 86,158 86,166
"
convert -size 256x256 xc:none -draw "$ribbon" "$tmp/ribbon.png"
convert -size 256x256 xc:none -draw "$rim" "$tmp/ribbon.png" -compose DstIn -composite "$tmp/rim.png"
convert "$tmp/ribbon.png" "$tmp/rim.png" -composite -draw "$body" -resize 32x32 "$tmp/icon32.png"
convert "$tmp/icon32.png" -strip -depth 8 PNG32:"$out/tarnwick.png"

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
# The name in two colours with a small wave under it, on white.
wave='M 48,138'
for i in 0 1 2 3; do
    x=$((48 + i * 126))
    crest=$((i % 2 ? 162 : 114))
    wave="$wave Q $((x + 63)),$crest $((x + 126)),138"
done
convert -size 600x172 xc:none -fill none -stroke "$teal" -strokewidth 7 \
    -draw "stroke-linecap round path '$wave'" -resize 150x43 "$tmp/wave.png"
# The two halves are rendered apart so each can have its own colour.
convert -background none -font "$bold" -pointsize 30 -fill "$navy" label:Tarn \
    -fill "$orange" label:wick +append -trim +repage "$tmp/name.png"
bmp24 -size 150x43 xc:white \
    "$tmp/name.png" -gravity north -geometry +0+4 -composite \
    "$tmp/wave.png" -gravity northwest -geometry +0+0 -composite >"$out/logo.bmp"

# --- banner ------------------------------------------------------------------
# Product lines and the web address at 11 px, hinted so they stay sharp at
# this size, with the icon at the right.
bmp24 -size 200x65 xc:"$sky" -fill "$teal" -draw 'rectangle 0,0 3,64' \
    -font "$bold" -pointsize 11 -fill "$navy" \
    -annotate +12+15 'Viscosity Converter' \
    -annotate +12+29 'Density & Gravity Tools' \
    -annotate +12+43 'Flow Calculators' \
    -font "$regular" -fill '#0b5d61' -annotate +12+58 'www.tarnwick.example' \
    "$tmp/icon32.png" -geometry +158+16 -composite >"$out/banner.bmp"
