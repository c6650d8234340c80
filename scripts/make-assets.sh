#!/usr/bin/env bash
# Draws the window's three pictures and the program icon from drawing
# commands and writes them into assets/. Everything is drawn here, so the
# pictures are the project's own work; run it again after changing a drawing.
#
# Needs ImageMagick 6 (Debian's imagemagick) and fonts-wqy-microhei.
# The output is byte-for-byte reproducible with the same ImageMagick:
# randomness is seeded and metadata and timestamps are stripped.
set -euo pipefail
# awk prints the drawing coordinates; a locale with a decimal comma would
# break them. ImageMagick reads its text arguments as UTF-8 in any locale.
export LC_ALL=C

readonly CONVERT=/usr/bin/convert
readonly FONT=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
readonly APP_ID=io.github.tavrin.guwen

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
readonly root
readonly out="$root/assets"
work=$(mktemp -d)
readonly work
trap 'rm -rf "$work"' EXIT

for need in "$CONVERT" "$FONT"; do
  if [ ! -e "$need" ]; then
    echo "make-assets: missing $need (install imagemagick and fonts-wqy-microhei)" >&2
    exit 1
  fi
done

# Debian's ImageMagick policy forbids reading '@file' arguments, so the
# generated drawing commands travel inline as -draw strings.

# Park-Miller generator in awk: the products stay below 2^53, so mawk and
# gawk give the same sequence and the scattered details land in the same
# places on every machine (awk's own rand() differs between implementations).
readonly AWK_RANDOM='
function rnd() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
function between(lo, hi) { return lo + (hi - lo) * rnd() }
'

# --- The painting: a scholar in white raising a cup under plum blossoms ----

# Branches as polylines "width x,y x,y ...": drawn as short segments whose
# width tapers from the given one at the base to a fine tip.
readonly BRANCHES='
10 -12,34 30,44 62,58 96,80 124,96 150,100 176,108 200,126 220,146 236,170 244,190
5 62,58 78,40 96,26 120,14 142,8
4 124,96 116,118 112,140 120,160 128,176
3.5 176,108 196,92 218,80 240,74 262,64
3 96,80 104,66 118,58
7 -10,146 16,138 40,128 58,140 74,160 82,182
2.5 40,128 44,108 56,94
2.5 200,126 212,112 226,110
'

painting_branches() {
  awk -v seed=20240611 "$AWK_RANDOM"'
  NF >= 3 {
    w = $1; n = NF - 1
    for (i = 2; i < NF; i++) {
      split($i, a, ","); split($(i + 1), b, ",")
      t = (i - 2) / (n - 1)
      width = w * (1 - t) + 1.2 * t
      # a slight bend in every segment keeps the strokes from looking ruled
      mx = (a[1] + b[1]) / 2 + between(-3, 3)
      my = (a[2] + b[2]) / 2 + between(-3, 3)
      printf "stroke-width %.2f path \"M %.1f,%.1f Q %.1f,%.1f %.1f,%.1f\"\n", width, a[1], a[2], mx, my, b[1], b[2]
    }
  }' <<<"$BRANCHES"
}

# Blossoms scattered along the branches: five round petals, a darker heart
# and a few stamens; buds are single dots. Colours run from white to pink.
painting_blossoms() {
  awk -v seed=7741 "$AWK_RANDOM"'
  function blossom(x, y, r,   k, ang, px, py, col, shade) {
    shade = rnd()
    if (shade < 0.35) col = "#fff8f6"; else if (shade < 0.7) col = "#f7c9d2"; else col = "#ee9fb1"
    ang = between(0, 72)
    printf "fill %s stroke #c9707f stroke-width 0.4\n", col
    for (k = 0; k < 5; k++) {
      px = x + 0.62 * r * cos((ang + 72 * k) * 3.14159265 / 180)
      py = y + 0.62 * r * sin((ang + 72 * k) * 3.14159265 / 180)
      printf "circle %.1f,%.1f %.1f,%.1f\n", px, py, px + 0.5 * r, py
    }
    printf "stroke none fill #d2465f circle %.1f,%.1f %.1f,%.1f\n", x, y, x + 0.28 * r, y
    printf "fill #e8b93a"
    for (k = 0; k < 5; k++) {
      px = x + 0.45 * r * cos((ang + 36 + 72 * k) * 3.14159265 / 180)
      py = y + 0.45 * r * sin((ang + 36 + 72 * k) * 3.14159265 / 180)
      printf " circle %.1f,%.1f %.1f,%.1f", px, py, px + 0.5, py
    }
    printf "\n"
  }
  NF >= 3 {
    for (i = 2; i < NF; i++) {
      split($i, a, ","); split($(i + 1), b, ",")
      if (a[1] < 0 && b[1] < 0) continue
      count = ($1 >= 7) ? 1 : 2
      for (c = 0; c < count; c++) {
        t = rnd()
        x = a[1] + (b[1] - a[1]) * t + between(-7, 7)
        y = a[2] + (b[2] - a[2]) * t + between(-7, 7)
        if (rnd() < 0.22)
          printf "stroke none fill #b8324d circle %.1f,%.1f %.1f,%.1f\n", x, y, x + between(1.4, 2.2), y
        else
          blossom(x, y, between(4.2, 6.8))
      }
    }
  }' <<<"$BRANCHES"
}

# A few petals drifting down between the branches and the scholar.
painting_falling_petals() {
  awk -v seed=99 "$AWK_RANDOM"'
  BEGIN {
    for (i = 0; i < 14; i++) {
      x = between(70, 270); y = between(150, 300)
      col = (rnd() < 0.5) ? "#f7c9d2" : "#fff4f2"
      printf "fill %s stroke #d58a99 stroke-width 0.3 ellipse %.1f,%.1f 2.2,1.3 0,360\n", col, x, y
    }
  }'
}

make_painting() {
  local w=290 h=415
  local branches blossoms petals
  branches=$(painting_branches)
  blossoms=$(painting_blossoms)
  petals=$(painting_falling_petals)
  # The inscription runs top to bottom, one character under the other.
  local inscription=() ch y=196
  for ch in 举 杯 邀 明 月; do
    inscription+=(-annotate "+15+$y" "$ch")
    y=$((y + 19))
  done

  "$CONVERT" -seed 31 \
    \( -size ${w}x${h} gradient:'#efe4c9-#e2d2ae' \) \
    \( -size ${w}x${h} xc:gray50 +noise Random -colorspace Gray -blur 0x0.8 \
       -level 35%,65% +level 94%,100% \) -compose Multiply -composite \
    \( -size ${w}x${h} xc:none \
       -fill 'rgba(251,245,230,0.9)' -draw 'circle 222,84 222,50' \
       -blur 0x2 \) -compose Over -composite \
    \( -size ${w}x${h} xc:none \
       -fill 'rgba(96,110,112,0.28)' \
       -draw 'path "M -10,300 L 20,262 L 48,270 L 80,232 L 112,256 L 140,240 L 176,268 L 210,246 L 246,262 L 300,236 L 300,320 L -10,320 Z"' \
       -fill 'rgba(70,82,84,0.32)' \
       -draw 'path "M -10,318 L 30,290 L 62,300 L 96,276 L 130,296 L 160,286 L 190,300 L 230,282 L 270,300 L 300,292 L 300,340 L -10,340 Z"' \
       -blur 0x5 \) -compose Over -composite \
    \( -size ${w}x${h} xc:none \
       -fill 'rgba(120,116,96,0.35)' \
       -draw 'path "M -10,352 Q 80,340 160,352 Q 230,360 300,346 L 300,420 L -10,420 Z"' \
       -blur 0x3 \
       -fill 'rgba(84,86,78,0.75)' \
       -draw 'path "M -10,336 Q 6,318 30,322 Q 52,310 74,326 Q 92,334 100,352 Q 104,368 96,380 L -10,384 Z"' \
       -blur 0x2 \
       -fill none -stroke 'rgba(30,30,28,0.9)' -strokewidth 2.2 \
       -draw 'stroke-linejoin round path "M -10,336 Q 6,318 30,322 Q 52,310 74,326 Q 92,334 100,352 Q 104,368 96,380"' \
       -strokewidth 1.2 \
       -draw 'path "M 30,323 Q 24,338 30,352 Q 34,362 28,376 M 74,327 Q 64,342 70,358 M 52,316 Q 48,328 54,336 M 10,334 Q 4,348 10,362"' \
       -stroke none -fill 'rgba(24,30,22,0.9)' \
       -draw 'circle 20,322 21.6,322 circle 26,320 27.4,320 circle 44,316 45.8,316 circle 60,318 61.4,318 circle 82,330 83.6,330 circle 90,338 91.2,338 circle 8,326 9.4,326' \
       -fill none -stroke 'rgba(46,66,44,0.8)' -strokewidth 1 \
       -draw 'path "M 120,372 Q 116,356 110,348 M 126,372 Q 128,356 136,348 M 222,366 Q 218,352 212,346 M 228,366 Q 232,354 240,350 M 234,368 Q 240,360 250,358"' \
       \) -compose Over -composite \
    -fill none -stroke '#2f2620' \
    -draw "stroke-linecap round stroke-linejoin round $branches" \
    -stroke '#5a4a3c' -strokewidth 0.8 \
    -draw "$blossoms" \
    \( -size ${w}x${h} xc:none -draw "stroke-linejoin round stroke-linecap round $(painting_scholar)" \) \
    -compose Over -composite \
    -draw "$petals" \
    -font "$FONT" -pointsize 15 -fill 'rgba(34,30,28,0.9)' -stroke none \
    "${inscription[@]}" \
    -fill '#b3262a' -draw 'roundrectangle 13,297 35,319 2,2' \
    -fill '#f6e8dc' -pointsize 15 -annotate +16.5+313.5 '逸' \
    -strip -interlace None -sampling-factor 2x2 -quality 90 \
    "JPEG:$out/painting.jpg"
}

# The scholar stands on the bank, turned to the right, and lifts a cup
# towards the lowest blossoms with his right hand.
painting_scholar() {
  cat <<'MVG'
stroke #5b5b58 stroke-width 1.1 fill #fbfaf4
path "M 166,268 Q 158,292 155,318 Q 150,344 142,362 Q 175,370 208,361 Q 199,330 197,302 Q 195,282 190,267 Z"
path "M 167,269 Q 150,286 146,312 Q 144,327 152,336 Q 163,334 166,320 Q 168,298 172,280 Z"
path "M 186,266 Q 196,250 202,240 L 213,244 Q 215,263 209,285 Q 203,297 194,302 Q 193,288 191,277 Z"
fill #f1dcc2 stroke #7a6a5a stroke-width 0.7
path "M 204,243 L 209,219 L 214,221 L 211,245 Z"
ellipse 212,214 3.4,4.2 0,360
stroke #5a2418 stroke-width 0.6 fill #9b3a26
path "M 206,205 L 219,205 L 217,212 L 208,212 Z"
path "M 210,212 L 215,212 L 216,215 L 209,215 Z"
fill none stroke #e7b08f stroke-width 0.8
line 208,207 216,207
fill #f1dcc2 stroke #7a6a5a stroke-width 0.7
ellipse 178,253 7,8.6 0,360
fill #161616 stroke none
path "M 170,251 Q 169,241 178,240 Q 187,241 186,251 Q 182,246 178,246 Q 173,246 170,251 Z"
ellipse 177,238 3.2,2.8 0,360
fill none stroke #161616 stroke-width 1
path "M 171,246 Q 164,250 161,258 M 172,247 Q 167,253 166,260"
stroke #232323 stroke-width 1
line 181,251 184,251
stroke #8c8c88 stroke-width 0.7
path "M 181,261 Q 181,267 179,272 M 183,260 Q 184,266 183,270"
stroke #6d8fa3 stroke-width 2.2
path "M 172,266 L 181,281 L 188,266"
stroke #5b5b58 stroke-width 1
path "M 170,265 L 181,283 L 190,265"
stroke #6d8fa3 stroke-width 3
path "M 157,300 Q 177,306 197,300"
stroke-width 1.5
path "M 178,304 Q 176,320 173,338 M 181,304 Q 182,320 183,340"
fill none stroke #9a9a94 stroke-width 0.8
path "M 168,310 Q 163,334 157,358 M 186,310 Q 187,334 189,362 M 193,306 Q 196,332 200,358"
path "M 151,316 Q 152,324 155,330 M 199,262 Q 203,276 202,290"
fill #1c1c1c stroke none
ellipse 162,365 6,2.4 0,360
ellipse 196,363 6,2.4 0,360
MVG
}

# --- The badge: free call minutes, shown stretched to about 2.6 times ------

make_badge() {
  local w=124 h=65
  "$CONVERT" -size ${w}x${h} gradient:'#ff8a1e-#e0261a' \
    -fill none -stroke '#ffd84a' -strokewidth 2 \
    -draw 'stroke-linejoin round roundrectangle 1.5,1.5 121.5,62.5 6,6' \
    -stroke 'rgba(255,255,255,0.7)' -strokewidth 0.8 \
    -draw 'stroke-linejoin round roundrectangle 4,4 119,60 4,4' \
    -stroke '#b51d14' -strokewidth 1 -fill '#ffe14d' \
    -draw 'circle 19,21 19,8' \
    -font "$FONT" -stroke none -fill '#d8231a' -pointsize 17 \
    -annotate +10.5+27.5 '☎' \
    -pointsize 19 -stroke '#8c1208' -strokewidth 2.4 -fill '#8c1208' \
    -annotate +36+29 '免费通话' \
    -stroke none -fill white -annotate +36+29 '免费通话' \
    -fill white -stroke '#ffd84a' -strokewidth 1 \
    -draw 'stroke-linejoin round roundrectangle 8,36 116,58 10,10' \
    -stroke none -fill '#d8231a' -pointsize 13 \
    -annotate +15+52.5 '每天送' \
    -annotate +80+52.5 '分钟' \
    -pointsize 18 -fill '#ff6a00' -stroke '#b51d14' -strokewidth 0.6 \
    -annotate +55+54 '60' \
    -strip -interlace None -sampling-factor 1x1 -quality 92 \
    "JPEG:$out/badge.jpg"
}

# --- The banner: an online game, four frames of 0.20 s, 256 colours --------
# Only the top 168 rows show in the window, so everything that matters
# stays above that line; the rows below continue the clouds.

# Stars of the night sky, the same on every frame.
banner_stars() {
  awk -v seed=4242 "$AWK_RANDOM"'
  BEGIN {
    for (i = 0; i < 40; i++) {
      x = between(2, 198); y = between(2, 110); r = between(0.5, 1.2)
      printf "fill rgba(255,255,240,%.2f) circle %.1f,%.1f %.1f,%.1f\n", between(0.4, 0.9), x, y, x + r, y
    }
  }'
}

# Four-pointed sparkles that move from frame to frame.
banner_sparkles() {
  awk -v seed=$((1000 + $1 * 7919)) -v frame="$1" "$AWK_RANDOM"'
  function sparkle(x, y, r, col,   q) {
    q = r / 4
    printf "fill %s polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", col, \
      x, y - r, x + q, y - q, x + r, y, x + q, y + q, x, y + r, x - q, y + q, x - r, y, x - q, y - q
  }
  BEGIN {
    split("#ffffff #fff3a0 #a8f0ff #ffb8f0", colours, " ")
    for (i = 0; i < 9; i++) {
      x = between(8, 192); y = between(8, 160)
      if (y > 38 && y < 100 && x > 20 && x < 180) y = (y < 70) ? y - 30 : y + 30
      sparkle(x, y, between(3, 7), colours[1 + (i + frame) % 4])
    }
  }'
}

make_banner_background() {
  "$CONVERT" -seed 53 \
    \( -size 200x200 gradient:'#120c3a-#5a2070' \) \
    \( -size 200x200 xc:none -draw "$(banner_stars)" \) -compose Over -composite \
    \( -size 200x200 xc:none \
       -fill 'rgba(255,240,200,0.9)' -draw 'circle 160,34 160,20' \
       -fill '#1d1446' -draw 'circle 167,30 167,17' -blur 0x0.6 \) -compose Over -composite \
    \( -size 200x200 xc:none \
       -fill 'rgba(140,110,200,0.45)' \
       -draw 'path "M 0,150 L 18,112 L 30,120 L 44,96 L 60,124 L 76,118 L 92,140 L 0,160 Z"' \
       -draw 'path "M 110,150 L 130,104 L 142,114 L 156,90 L 172,116 L 186,108 L 200,126 L 200,160 Z"' \
       -blur 0x1 \
       -fill '#2a1850' \
       -draw 'path "M 0,170 L 12,138 L 24,146 L 36,128 L 50,150 L 64,142 L 80,170 Z"' \
       -draw 'path "M 124,172 L 140,136 L 152,146 L 166,122 L 182,144 L 200,136 L 200,172 Z"' \
       -fill 'rgba(230,220,255,0.55)' \
       -draw 'ellipse 40,168 60,10 0,360 ellipse 160,170 60,10 0,360 ellipse 100,186 110,16 0,360' \
       -blur 0x2 \) -compose Over -composite \
    "$work/banner-background.png"
  "$CONVERT" -size 180x46 gradient:'#fff8c0-#f0a020' "$work/banner-gold.png"
}

make_banner_frame() {
  local f=$1
  local glows=('#3fd8ff' '#ff5ad8' '#ffd23a' '#8dff6a')
  local buttons=('#ff5a1e' '#ff7a1e' '#ff9a2a' '#ff7a1e')
  local streak_x=$((10 + f * 40))
  "$CONVERT" "$work/banner-background.png" \
    \( -size 200x200 xc:none -font "$FONT" -pointsize 38 \
       -fill "${glows[f]}" -stroke "${glows[f]}" -strokewidth 5 \
       -annotate +24+72 '仙侠世界' -blur 0x3 \) -compose Over -composite \
    \( -size 200x200 xc:none \
       -stroke 'rgba(255,255,255,0.85)' -strokewidth 1.5 \
       -draw "stroke-linecap round line $streak_x,$((16 + f * 3)) $((streak_x + 26)),$((6 + f * 3))" \
       -blur 0x0.7 \) -compose Over -composite \
    -font "$FONT" -pointsize 12 -fill '#f4e8ff' -stroke none \
    -annotate +64+20 '国风修仙网游' \
    -pointsize 38 -fill '#7a1a08' -stroke '#7a1a08' -strokewidth 3 \
    -annotate +24+72 '仙侠世界' \
    -stroke none -tile "$work/banner-gold.png" -annotate +24+72 '仙侠世界' +tile \
    -pointsize 12 -fill '#fff4d0' -annotate +46+96 '御剑江湖 · 逍遥九天' \
    -fill "${buttons[f]}" -stroke '#ffe060' -strokewidth 2 \
    -draw 'stroke-linejoin round roundrectangle 46,118 154,150 14,14' \
    -fill 'rgba(255,255,255,0.25)' -stroke none \
    -draw 'roundrectangle 50,121 150,133 10,6' \
    -pointsize 19 -fill '#7a1a08' -annotate +63+142 '立即开玩' \
    -fill white -annotate +62+141 '立即开玩' \
    -draw "$(banner_sparkles "$f")" \
    "$work/banner-$f.png"
}

make_banner() {
  local f
  make_banner_background
  for f in 0 1 2 3; do
    make_banner_frame "$f"
  done
  # One palette for all frames: quantise the frames side by side, then map
  # each frame onto it, so the GIF carries one global 256-colour table and
  # no local ones. No dithering: static areas stay identical between frames.
  "$CONVERT" "$work"/banner-[0-3].png +append -dither None -colors 256 \
    -unique-colors "$work/banner-palette.png"
  "$CONVERT" -delay 20 -loop 0 -dispose None "$work"/banner-[0-3].png \
    -dither None -remap "$work/banner-palette.png" \
    -strip "GIF:$out/banner.gif"
}

# --- The program icon: "转换" in white on a vermilion tile, like a seal ----
# Each raster size is drawn at its own size rather than scaled down, so the
# strokes of the two characters stay sharp at 32 pixels. Glyph metrics of
# the font: a character's ink is centred 0.36 em above its baseline.

# size pointsize corner-radius border-inset border-width (inset 0: no border)
readonly ICON_SIZES='
32 15 6 0 0
48 22 9 3.5 1
128 54 22 8 2.5
'

make_icon_png() {
  local size=$1 points=$2 radius=$3 inset=$4 border=$5 target=$6
  local last x y
  last=$(awk -v n="$size" 'BEGIN { printf "%.1f", n - 0.5 }')
  x=$(awk -v n="$size" -v p="$points" 'BEGIN { printf "%d", (n - 2 * p) / 2 }')
  y=$(awk -v n="$size" -v p="$points" 'BEGIN { printf "%d", n / 2 + 0.36 * p + 0.5 }')
  local frame=()
  if [ "$inset" != 0 ]; then
    local far
    far=$(awk -v n="$size" -v i="$inset" 'BEGIN { printf "%.1f", n - i }')
    frame=(-fill none -stroke 'rgba(255,226,190,0.75)' -strokewidth "$border"
      -draw "stroke-linejoin round roundrectangle $inset,$inset $far,$far $((radius / 2)),$((radius / 2))")
  fi
  "$CONVERT" -size "${size}x${size}" gradient:'#e0503c-#a6241a' "$work/icon-fill.png"
  "$CONVERT" -size "${size}x${size}" xc:none \
    -tile "$work/icon-fill.png" \
    -draw "roundrectangle 0.5,0.5 $last,$last $radius,$radius" +tile \
    "${frame[@]}" \
    -font "$FONT" -pointsize "$points" -stroke none -fill white \
    -annotate "+$x+$y" '转换' \
    -strip -define png:exclude-chunks=date,time "PNG32:$target"
}

# The scalable icon is the 128-pixel drawing written out as SVG by hand.
write_icon_svg() {
  cat >"$1" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <defs>
    <linearGradient id="vermilion" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#e0503c"/>
      <stop offset="1" stop-color="#a6241a"/>
    </linearGradient>
  </defs>
  <rect x="0.5" y="0.5" width="127" height="127" rx="22" ry="22" fill="url(#vermilion)"/>
  <rect x="8" y="8" width="112" height="112" rx="11" ry="11" fill="none"
        stroke="#ffe2be" stroke-opacity="0.75" stroke-width="2.5"/>
  <text x="64" y="83.5" text-anchor="middle" fill="#ffffff" font-size="54"
        font-family="WenQuanYi Micro Hei, Noto Sans CJK SC, Source Han Sans SC, sans-serif">转换</text>
</svg>
SVG
}

make_icons() {
  local size points radius inset border dir
  while read -r size points radius inset border; do
    [ -n "$size" ] || continue
    dir="$out/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$dir"
    make_icon_png "$size" "$points" "$radius" "$inset" "$border" "$dir/$APP_ID.png"
  done <<<"$ICON_SIZES"
  # The window's own icon is the 32-pixel drawing.
  cp "$out/icons/hicolor/32x32/apps/$APP_ID.png" "$out/icon.png"
  mkdir -p "$out/icons/hicolor/scalable/apps"
  write_icon_svg "$out/icons/hicolor/scalable/apps/$APP_ID.svg"
}

mkdir -p "$out"
make_painting
make_badge
make_banner
make_icons

# A last look at what was written, so a changed drawing command cannot
# silently change a size, a frame count or a colour type the window needs.
check() {
  local file=$1 expected=$2 actual
  actual=$(/usr/bin/identify -format "$3" "$out/$file")
  if [ "$actual" != "$expected" ]; then
    echo "make-assets: $file: expected '$expected', got '$actual'" >&2
    exit 1
  fi
}
check painting.jpg 'JPEG 290x415 None' '%m %wx%h %[interlace]'
check badge.jpg 'JPEG 124x65 None' '%m %wx%h %[interlace]'
check banner.gif 'GIF 200x200 20;GIF 200x200 20;GIF 200x200 20;GIF 200x200 20;' '%m %wx%h %T;'
if [ "$(/usr/bin/identify -verbose "$out/banner.gif" |
  grep -c -e 'Colormap entries: 256' -e 'Iterations: 0')" != 8 ]; then
  echo "make-assets: banner.gif: every frame needs the 256-colour table and endless looping" >&2
  exit 1
fi
check icon.png 'PNG 32x32 TrueColorAlpha' '%m %wx%h %[type]'
for size in 32 48 128; do
  check "icons/hicolor/${size}x${size}/apps/$APP_ID.png" "PNG ${size}x${size} TrueColorAlpha" '%m %wx%h %[type]'
done
echo "make-assets: wrote $(cd "$out" && find . -type f | sort | tr '\n' ' ')"
