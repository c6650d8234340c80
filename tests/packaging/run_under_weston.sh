#!/usr/bin/env bash
# Starts a private headless weston, runs one program as its Wayland client
# with Qt's wayland platform, and stops weston again. Exits 77 (skipped) when
# weston or Qt's Wayland plugin is not installed.
#
# Usage: run_under_weston.sh QT_PLUGIN_DIR OUTPUT_SCALE PROGRAM [ARGS...]
set -euo pipefail

plugins=$1
scale=$2
shift 2

if ! command -v weston >/dev/null; then
  echo "SKIP: weston is not installed (Debian package weston); the Wayland run needs a compositor"
  exit 77
fi
if [ ! -e "$plugins/platforms/libqwayland-generic.so" ]; then
  echo "SKIP: Qt's Wayland platform plugin is missing from $plugins/platforms (Debian package qt6-wayland)"
  exit 77
fi

# The compositor's socket and lock live in the runtime folder, which must be
# private to us; a scratch one keeps parallel runs and the user's session apart.
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=wayland-guwen-test
weston_pid=
# shellcheck disable=SC2317 # called by the trap
cleanup() {
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$runtime"
}
trap cleanup EXIT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
  --width=1280 --height=1024 --scale="$scale" --idle-time=0 --no-config \
  --log="$runtime/weston.log" &
weston_pid=$!

# weston creates the socket once it accepts clients.
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  if ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "FAIL: weston exited at start-up:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "FAIL: weston did not open its socket:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi

# No DISPLAY: a Qt that cannot speak Wayland must fail here, not quietly
# fall back to an X server.
status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" \
  QT_QPA_PLATFORM=wayland "$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- weston log ---" >&2
  cat "$runtime/weston.log" >&2
fi
exit "$status"
