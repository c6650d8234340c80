#!/usr/bin/env bash
# Opens the window from a fresh clone: installs the missing packages, builds
# the program in build/ and starts it on the user's desktop.
#
# Without a desktop (neither DISPLAY nor WAYLAND_DISPLAY is set) it starts a
# virtual X display instead, shows the window there, saves a screenshot of it
# to build/screenshot.png and then stops the program and the display again.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build"
program="$build/ui/guwen"
screenshot="$build/screenshot.png"

"$repo/scripts/install-deps.sh"
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target guwen -j "$(nproc)"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

echo "run: no display; starting a virtual one"
scratch="$(mktemp -d)"
xvfb_pid=""
program_pid=""
stop_all() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; wait "$program_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap stop_all EXIT

# -displayfd picks a free display number and writes it once the server is
# ready to take clients.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
if ! [ -s "$scratch/display" ]; then
  echo "run: Xvfb did not start:" >&2
  cat "$scratch/xvfb.log" >&2
  exit 1
fi
DISPLAY=":$(head -n 1 "$scratch/display")"
export DISPLAY
unset WAYLAND_DISPLAY

QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!

# The window is the top-level of class "guwen" with a title; Qt's helper
# windows have none.
window_id() {
  xwininfo -root -children 2>/dev/null | awk '/"Tavrin.*\("guwen" "guwen"\)/ { print $1; exit }'
}
id=""
for _ in $(seq 200); do
  if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "run: the program ended before its window appeared" >&2
    exit 1
  fi
  id="$(window_id)"
  [ -n "$id" ] && break
  sleep 0.1
done
if [ -z "$id" ]; then
  echo "run: the window did not appear" >&2
  exit 1
fi
sleep 1  # let it paint its first frame

import -window "$id" "$screenshot"
echo "run: screenshot of the window saved to $screenshot"
