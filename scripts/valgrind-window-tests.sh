#!/usr/bin/env bash
# Runs the window's Qt tests once under valgrind's memcheck and fails on any
# invalid read or write, use of uninitialised memory, or definite leak whose
# stack passes through this project's code. Slow (minutes); run by hand.
#   scripts/valgrind-window-tests.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

bash scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

logs="$build/valgrind"
mkdir -p "$logs"
status=0
for test in commands_test keyboard_test window_form_test text_boundary_test pictures_test; do
  exe="$build/tests/ui/$test"
  [ -x "$exe" ] || continue
  log="$logs/$test.log"
  echo "== $test"
  # Everything runs some fifty times slower; give each test function an hour.
  QTEST_FUNCTION_TIMEOUT=3600000 QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full \
    --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --num-callers=40 --log-file="$log" "$exe" >/dev/null 2>&1 || true
  # Qt, fontconfig and the GPU-less GL stubs keep caches for the process'
  # lifetime; only reports that run through our own sources count.
  ours=$(awk -v root="$PWD/" '
      /^==[0-9]+== (Invalid|Conditional|Use of uninit|Syscall param|[0-9,]+ bytes in [0-9,]+ blocks are definitely lost)/ {
        block = $0; keep = 1; next }
      keep && /^==[0-9]+== *$/ { if (index(block, root) > 0) count++; keep = 0; next }
      keep { block = block "\n" $0 }
      END { print count + 0 }' "$log")
  summary=$(grep -E "ERROR SUMMARY|definitely lost" "$log" | tail -2 | tr '\n' ' ')
  echo "   $summary"
  if [ "$ours" -gt 0 ]; then
    echo "   reports through project code: $ours (see $log)"
    status=1
  fi
done
exit $status
