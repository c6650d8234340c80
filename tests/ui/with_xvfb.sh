#!/usr/bin/env bash
# Runs a command against a private virtual X server, for tests that need a
# real X11 clipboard and a second X client. Exits 77 (skipped) when Xvfb is
# not installed.
set -euo pipefail

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "SKIP: Xvfb is not installed (apt-get install xvfb)"
  exit 77
fi

fifo_dir=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$fifo_dir"' EXIT
mkfifo "$fifo_dir/display"
# -displayfd picks a free display number and writes it once the server is up.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo_dir/display" 2>/dev/null &
xvfb_pid=$!
read -r display_number <"$fifo_dir/display"

DISPLAY=":$display_number" QT_QPA_PLATFORM=xcb "$@"
