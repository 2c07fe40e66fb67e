#!/usr/bin/env bash
# Puts every generated resource on one PNG for a person to judge: each icon at each of its
# sizes on a light and a dark ground and enlarged without smoothing, and the sticker picture
# as the window shows it (squeezed to 256 x 256 over the grey key colour) with sample text in
# the places and colours of its labels.
# Usage: resources/contact_sheet.sh OUTPUT.png [RESOURCE_DIR]
set -euo pipefail
out=$1
dir=${2:-$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

rows=()
for ico in "$dir"/AAAAA_APPICON.ico "$dir"/ICON_*.ico; do
  name=$(basename "$ico" .ico)
  n=$(identify "$ico" | wc -l)
  small=()
  for ((i = 0; i < n && i < 6; i++)); do
    convert "$ico[$i]" "$tmp/$name-$i.png"
    small+=("$tmp/$name-$i.png")
  done
  for ground in '#F3F3F3' '#2B2B2B'; do
    convert -background "$ground" -bordercolor "$ground" "${small[@]}" -border 3 \
      -gravity south +append -border 3 "$tmp/$name-$ground.png"
  done
  convert "$tmp/$name-0.png" -filter point -resize 400% "$tmp/$name-z16.png"
  convert "$tmp/$name-2.png" -filter point -resize 300% "$tmp/$name-z24.png"
  convert "$tmp/$name-5.png" -filter point -resize 200% "$tmp/$name-z48.png"
  convert -background '#F3F3F3' "$tmp/$name-#F3F3F3.png" "$tmp/$name-#2B2B2B.png" \
    "$tmp/$name-z16.png" "$tmp/$name-z24.png" "$tmp/$name-z48.png" \
    -font "$font" -pointsize 13 label:"$name" -bordercolor '#F3F3F3' -border 4 \
    -gravity center +append \
    "$tmp/row-$name.png"
  rows+=("$tmp/row-$name.png")
done
convert -background '#F3F3F3' "${rows[@]}" -gravity west -append "$tmp/icons.png"

# The menu as it will look at 100 % scale: a 16-pixel icon beside each caption.
menu=()
i=0
for pair in ICON_MONTH:月历 ICON_REMIND:提醒 ICON_HELP:科普 ICON_BL:变脸 ICON_ZS:字色 ICON_TOOL:工具 ICON_ABOUT:关于 ICON_ESC:关闭 \
            ICON_RUNSETUP:设为开机启动 ICON_RERUNSETUP:取消开机启动; do
  convert -background white "$tmp/${pair%%:*}-0.png" -gravity center -extent 28x22 \
    \( -font "$font" -pointsize 12 label:"${pair#*:}" -extent 110x22 \) +append \
    "$tmp/menu-$i.png"
  menu+=("$tmp/menu-$i.png")
  i=$((i + 1))
done
convert "${menu[@]}" -append -bordercolor '#A0A0A0' -border 1 "$tmp/menu.png"

parts=("$tmp/icons.png" "$tmp/menu.png")
if [ -f "$dir/PNG_DZB.png" ]; then
  face="$tmp/face.png"
  convert -size 256x256 xc:'rgb(195,195,195)' \( "$dir/PNG_DZB.png" -resize '256x256!' \) \
    -composite "$face"
  # Sample texts as the face shows them; each is centred in its label's rectangle.
  draw_label() { # x y w h size colour text
    convert "$face" \( -background none -fill "$6" -font "$font" -density 96 -pointsize "$5" \
      -gravity center label:"$7" -gravity north -extent "${3}x${4}" \) -gravity northwest \
      -geometry "+$1+$2" -composite "$face"
  }
  draw_label 12 63 230 56 38 'rgb(0,229,115)' '07:05:09'
  draw_label 40 16 164 23 14 'rgb(0,64,128)' '2025年01月29日'
  draw_label 14 42 230 20 12 'rgb(0,64,128)' '星期三 49/52周 115天后春节'
  draw_label 12 129 230 41 11 'rgb(0,64,128)' $'丁dīng未wèi时 \n 日跌/日央 初刻'
  draw_label 15 177 230 63 12 'rgb(0,64,128)' $'二〇二五年正月大 初一\n乙巳年[蛇] 春节 \n戊wù寅yín月 戊wù戌xū日'
  convert "$face" -filter point -resize 200% "$tmp/face2.png"
  convert -background '#F3F3F3' "$face" "$tmp/face2.png" -bordercolor '#F3F3F3' -border 6 -gravity north +append \
    "$tmp/faces.png"
  parts+=("$tmp/faces.png")
fi
convert -background '#F3F3F3' "${parts[@]}" -bordercolor '#F3F3F3' -border 6 -gravity northwest -append \
  -bordercolor '#F3F3F3' -border 10 "$out"
