#!/usr/bin/env bash
# Checks a tree laid out as the package installs it (a DESTDIR or an unpacked
# .deb): the program, its desktop entry, icons and AppStream metadata are in
# the places a desktop looks, they name each other consistently, and nothing
# else came along.
#
# Usage: check_installed_files.sh ROOT APP_ID
set -euo pipefail

root=$1
app_id=$2
usr=$root/usr
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Width and height of a PNG from its IHDR chunk (big-endian, bytes 16-23).
png_size() {
  local bytes
  read -r -a bytes < <(od -An -tu1 -j16 -N8 "$1")
  echo "$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))x$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))"
}

# The value of a key in the [Desktop Entry] group, untranslated.
desktop_key() {
  sed -n "s/^$2=//p" "$1" | head -n 1
}

desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml
expected=(bin/guwen "$desktop" "$metainfo" "share/icons/hicolor/scalable/apps/$app_id.svg")
for size in 32 48 128; do
  expected+=("share/icons/hicolor/${size}x$size/apps/$app_id.png")
done

for file in "${expected[@]}"; do
  [ -f "$usr/$file" ] || fail "missing /usr/$file"
done

# A stray install() elsewhere (a library, headers, a test) would ship too.
while IFS= read -r found; do
  relative=${found#"$usr"/}
  case " ${expected[*]} " in
    *" $relative "*) ;;
    *) fail "unexpected file ${found#"$root"}" ;;
  esac
done < <(find "$root" -type f -o -type l)

binary=$usr/bin/guwen
if [ -f "$binary" ]; then
  [ -x "$binary" ] || fail "/usr/bin/guwen is not executable"
  [ "$(head -c 4 "$binary" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "/usr/bin/guwen is not an ELF program"
fi

for size in 32 48 128; do
  icon=$usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
  [ -f "$icon" ] || continue
  actual=$(png_size "$icon")
  [ "$actual" = "${size}x$size" ] || fail "icon in ${size}x$size/ is $actual pixels"
done
svg=$usr/share/icons/hicolor/scalable/apps/$app_id.svg
if [ -f "$svg" ] && ! grep -q '<svg' "$svg"; then
  fail "scalable icon is no SVG document"
fi

if [ -f "$usr/$desktop" ]; then
  exec_line=$(desktop_key "$usr/$desktop" Exec)
  exec_program=${exec_line%% *}
  [ -x "$usr/bin/$exec_program" ] || fail "Exec=$exec_line names no installed program in /usr/bin"
  icon_name=$(desktop_key "$usr/$desktop" Icon)
  [ "$icon_name" = "$app_id" ] || fail "Icon=$icon_name, but the icons are installed as $app_id"
fi

if [ -f "$usr/$metainfo" ]; then
  grep -q "<id>$app_id</id>" "$usr/$metainfo" || fail "metainfo <id> is not $app_id"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$usr/$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
  provided=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$usr/$metainfo")
  if [ -z "$provided" ] || [ ! -x "$usr/bin/$provided" ]; then
    fail "metainfo provides binary '$provided', which is not installed"
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in the installed tree under $root" >&2
  exit 1
fi
echo "installed tree under $root is complete"
