#!/usr/bin/env bash
# Fuzzes every reader of outside input for SECONDS each (default 60) with clang's libFuzzer under ASan
# and UBSan. What a target learns stays in build/fuzz/corpus/TARGET for the next run; an input that
# breaks a property or crashes lands in build/fuzz/findings/TARGET (fix the fault, then copy the input
# into tests/fuzz/corpus/TARGET so the test run replays it).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash tools/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

build=build/fuzz
targets=(argument_text numeric_text settings count_text saver_options frame_arguments)
found=0
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target" "$build/findings/$target"
  log=$build/findings/$target.log
  # Findings do not stop the run: every target gets its time, and each finding is kept.
  "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -fork=1 \
    -ignore_crashes=1 -ignore_ooms=1 -artifact_prefix="$build/findings/$target/" \
    "$build/corpus/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1 || true
  runs=$(grep -o -E "^#[0-9]+" "$log" | tail -n1 | tr -d "#")
  findings=$(find "$build/findings/$target" -type f | wc -l)
  found=$((found + findings))
  printf 'fuzz: %-16s %5s s  %10s runs  %5s inputs kept  %s findings\n' "$target" "$seconds" "${runs:-?}" \
    "$(find "$build/corpus/$target" -type f | wc -l)" "$findings"
done
[ "$found" -eq 0 ] || { echo "fuzz: findings in $build/findings (logs beside them)" >&2; exit 1; }
