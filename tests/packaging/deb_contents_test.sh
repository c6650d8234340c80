#!/usr/bin/env bash
# Builds the .deb from the finished build tree into a scratch folder, unpacks
# it as dpkg would and checks its files and its control fields.
#
# Usage: deb_contents_test.sh BUILD_DIR APP_ID
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
build=$1
app_id=$2
for tool in dpkg-deb dpkg-shlibdeps file; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (Debian packages dpkg-dev and file); cannot build the .deb"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  exit 1
fi
debs=("$work"/out/*.deb)
if [ ! -f "${debs[0]}" ] || [ ${#debs[@]} -ne 1 ]; then
  echo "FAIL: expected one .deb, cpack made: ${debs[*]}" >&2
  exit 1
fi
deb=${debs[0]}
echo "built $(basename "$deb")"

dpkg-deb -x "$deb" "$work/root"
status=0
bash "$here/check_installed_files.sh" "$work/root" "$app_id" || status=1

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = guwen ] || { echo "FAIL: Package is '$(field Package)'" >&2; status=1; }
# shlibdeps must have found the libraries the program links; an empty or
# hand-written Depends would install a program that cannot start.
depends=$(field Depends)
# The package names alone, without versions and alternatives; libjpeg's
# differs between distributions.
depends_names=$(tr ',|' '\n' <<<"$depends" | sed 's/(.*//; s/[[:space:]]//g')
for library in libqt6widgets6 libqt6gui6 libqt6core6 'libjpeg.*' 'libstdc\+\+6' libc6; do
  if ! grep -qxE "$library" <<<"$depends_names"; then
    echo "FAIL: Depends lacks $library: $depends" >&2
    status=1
  fi
done
case "$(field Recommends)" in
  *qt6-wayland*) ;;
  *) echo "FAIL: Recommends lacks qt6-wayland, which Qt loads at run time on Wayland" >&2; status=1 ;;
esac
exit $status
