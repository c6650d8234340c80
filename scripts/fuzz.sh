#!/usr/bin/env bash
# Builds the libFuzzer targets (clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one from its seed corpus.
#
#   scripts/fuzz.sh [--ci] [--time SECONDS] [--build-dir DIR] [TARGET...]
#
#   --ci             the bounded run of CI: 15 seconds per target
#   --time SECONDS   how long each target runs (by hand: 600 unless given)
#   --build-dir DIR  where to build and keep the grown corpus (build-fuzz)
#   TARGET           a folder name under fuzz/corpus (all of them by default)
#
# The committed seeds in fuzz/corpus are only read. Inputs that reach new
# paths are kept in DIR/corpus/TARGET, so a later run goes on from there. An
# input that breaks a property is written to DIR/findings/TARGET/ with the
# message in DIR/findings/TARGET.log; the script then runs the remaining
# targets and exits with 1. To replay a finding:
#   DIR/fuzz/TARGET_fuzz DIR/findings/TARGET/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=600
build_dir=build-fuzz
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --ci) seconds=15 ;;
    --time) seconds="$2"; shift ;;
    --build-dir) build_dir="$2"; shift ;;
    -h|--help) sed -n '2,20p' "$0"; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1") ;;
  esac
  shift
done

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGUWEN_BUILD_FUZZ=ON -DGUWEN_SANITIZE=ON \
  -DGUWEN_BUILD_TESTS=OFF -DGUWEN_BUILD_UI=OFF -DGUWEN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)"

if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < "$build_dir/fuzz/targets.txt"
fi

# Inputs stay short: the layout targets build their long texts by repetition
# (see fuzz/fuzz_input.h), and the literal reference is slow on long ones.
max_len() {
  case "$1" in
    columns|slanted|decoration) echo 256 ;;
    gbk_codec) echo 512 ;;
    *) echo 4096 ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  binary="$build_dir/fuzz/${target}_fuzz"
  [ -x "$binary" ] || { echo "fuzz.sh: no target $target" >&2; exit 2; }
  corpus="$build_dir/corpus/$target"
  findings="$build_dir/findings/$target"
  log="$build_dir/findings/$target.log"
  mkdir -p "$corpus" "$findings"
  # -malloc_limit_mb: no layout may allocate more than a few results' worth
  # at once, whatever its options; -timeout: no single run may hang.
  if "$binary" "$corpus" "fuzz/corpus/$target" \
      -max_total_time="$seconds" -max_len="$(max_len "$target")" \
      -malloc_limit_mb=256 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$findings/" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz.sh: $target: ${runs:-?} runs in ${seconds}s, no finding"
  else
    echo "fuzz.sh: $target: FINDING, see $log" >&2
    # A broken property prints what it checked and both values; a sanitizer
    # or libFuzzer prints its own report.
    grep -E -B1 -A1 '^  expected:' "$log" | head -12 >&2 || true
    grep -E '^==[0-9]+== ?ERROR|^SUMMARY' "$log" | head -4 >&2 || true
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: findings in: ${failed[*]}" >&2
  exit 1
fi
