#!/bin/sh
# Draws the program's window icon, res/velmora.ico: one 128 x 128 image at 32 bits per pixel
# (a PNG-compressed entry with alpha): a dark-slate key cap bearing a light "V", with a green
# lock-light dot in its corner. The icon is committed beside this script, so a build never needs ImageMagick;
# run this again only to change the picture.
#
# Needs Debian's imagemagick (ImageMagick 6). /usr/bin comes first so that a wrapper elsewhere on
# PATH never draws in its place.
set -eu

PATH=/usr/bin:$PATH
export PATH

res_dir=$(cd "$(dirname "$0")/../res" && pwd)
icon="$res_dir/velmora.ico"

# Shapes are drawn on a transparent canvas: the key's base (its darker sides), the lighter top
# face, the letter as one round-capped stroke, and the indicator light with a soft rim.
# TrueColorAlpha keeps 32 bits per pixel (RGBA) even where the picture would fit a palette.
picture=$(mktemp --suffix=.png)
trap 'rm -f "$picture"' EXIT

convert -size 128x128 xc:none \
  -fill '#1b252f' -draw 'roundrectangle 6,8 121,123 20,20' \
  -fill '#2c3a48' -draw 'roundrectangle 8,9 119,117 18,18' \
  -fill '#3f5164' -draw 'roundrectangle 15,12 112,104 14,14' \
  -fill none -stroke '#eef3f8' -strokewidth 13 \
  -draw 'stroke-linecap round stroke-linejoin round polyline 38,38 63,86 88,38' \
  -stroke none -fill '#1f6b3e' -draw 'circle 100,25 100,32' \
  -fill '#4ade80' -draw 'circle 100,25 100,30' \
  -type TrueColorAlpha -define png:color-type=6 \
  "PNG32:$picture"

# The icon holds the one picture as a PNG-compressed entry (read by every Windows since Vista):
# a sixth of the size of the same picture as an uncompressed bitmap.
le16() { printf '\\0%03o\\0%03o' $(($1 & 255)) $(($1 >> 8 & 255)); }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16 & 65535)); }
size=$(stat -c %s "$picture")
{
  printf '%b' "$(le16 0)$(le16 1)$(le16 1)"                      # icon directory, one entry
  printf '%b' "$(le16 32896)$(le16 0)$(le16 1)$(le16 32)"        # 128 x 128, no palette, 1 plane, 32 bits
  printf '%b' "$(le32 "$size")$(le32 22)"                        # bytes, offset after the header
  cat "$picture"
} >"$icon"

echo "wrote $icon"
