#!/usr/bin/env bash
# Starts the installed-to-be program itself as a Wayland client (run inside
# run_under_weston.sh) and reads from libwayland's protocol log what it told
# the compositor: its app id, which must name the desktop entry so that docks
# and task switchers find the icon and name; its title; and its outer size.
#
# Usage: program_announces_itself_test.sh PROGRAM APP_ID
set -uo pipefail

program=$1
app_id=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# The program runs until its window is closed, so it is stopped once the
# window is mapped: the first buffer is attached after the geometry is set.
WAYLAND_DEBUG=client "$program" 2>"$log" >/dev/null &
pid=$!
for _ in $(seq 200); do
  grep -q -- '-> wl_surface@[0-9]*\.attach(wl_buffer' "$log" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null

status=0
expect() {
  if ! grep -qF -- "$2" "$log"; then
    echo "FAIL: $1; the client never sent $2" >&2
    status=1
  fi
}
expect "wrong app id" ".set_app_id(\"$app_id\")"
expect "wrong title" '.set_title("Tavrin古文转换")'
expect "wrong outer size" '.set_window_geometry(0, 0, 622, 668)'
if [ "$status" -ne 0 ]; then
  echo "--- what the client sent about its window ---" >&2
  grep -E -- '-> xdg_(toplevel|surface)@' "$log" | head -n 20 >&2
fi
exit "$status"
