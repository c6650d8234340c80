#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, and only those missing.
# Safe to run again: it asks dpkg first and calls apt-get only for what lacks.
set -euo pipefail

packages=(
  # build and test
  cmake g++ clang clang-format clang-tidy make pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # the text engine's table generator and its comparison data
  python3 icu-devtools unicode-data libopencc-dev
  # the window
  qt6-base-dev qt6-base-dev-tools libjpeg62-turbo-dev
  # a virtual display, one CJK font, clipboard peer and screenshots
  xvfb xauth x11-apps x11-utils xclip fonts-wqy-microhei imagemagick
  # fuzzing and sanitizers
  libclang-rt-14-dev valgrind
  # desktop integration checks
  desktop-file-utils appstream weston qt6-wayland
  # building the .deb: dpkg-shlibdeps and file
  dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: missing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo apt-get update
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Run as root: apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
else
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
