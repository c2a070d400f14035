#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each one on a copy of its seed
# corpus, so the repository is never written to.
#
#   tests/fuzz/run-fuzz.sh [SECONDS]   run each target SECONDS (default 60)
#   tests/fuzz/run-fuzz.sh seeds       write tests/fuzz/corpus anew
#
# Fails on a crash, a sanitizer report, a leak, an input that takes more than
# 2 seconds, or a round-trip difference; the input that did it is kept and
# its path printed. VANDOR_FUZZ_BUILD_DIR sets the build folder (build-fuzz),
# VANDOR_FUZZ_KEEP=DIR keeps each target's grown corpus under DIR.
set -euo pipefail
cd "$(dirname "$0")/../.."

BUILD_DIR=${VANDOR_FUZZ_BUILD_DIR:-build-fuzz}
JOBS=$(nproc 2>/dev/null || echo 2)
TARGETS=(puzzle_file text)

cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVANDOR_FUZZ=ON -DVANDOR_GUI=OFF -DVANDOR_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS" --target fuzz_seeds "${TARGETS[@]/#/fuzz_}"

if [ "${1:-}" = seeds ]; then
  rm -rf tests/fuzz/corpus
  "$BUILD_DIR/tests/fuzz/fuzz_seeds" tests/fuzz/corpus
  echo "Wrote tests/fuzz/corpus"
  exit 0
fi

SECONDS_EACH=${1:-60}
case "$SECONDS_EACH" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS] | seeds" >&2; exit 2 ;;
esac

# Both targets at once, each on one core.
declare -A works pids
for target in "${TARGETS[@]}"; do
  work=$(mktemp -d "${TMPDIR:-/tmp}/vandor-fuzz-$target-XXXXXX")
  mkdir "$work/corpus"
  cp tests/fuzz/corpus/"$target"/* "$work/corpus/"
  works[$target]=$work
  # The largest .vdr file is under 1 KiB, a 64 x 64 board in the notation
  # about 8 KiB; longer inputs only repeat what these cover.
  "$BUILD_DIR/tests/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=2 -max_len=9000 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" >"$work/log" 2>&1 &
  pids[$target]=$!
done

# libFuzzer's timeout is wall-clock time, so a machine that stalls the run
# for a few seconds (other work, swapping) stops it on a harmless input. A
# timeout counts only when the input is also too slow when run again alone.
timeout_repeats() {
  local target=$1 work=$2 unit
  grep -q 'SUMMARY: libFuzzer: timeout' "$work/log" || return 0
  unit=$(find "$work" -maxdepth 1 -name 'timeout-*' | head -n 1)
  [ -n "$unit" ] || return 0
  if "$BUILD_DIR/tests/fuzz/fuzz_$target" -timeout=2 "$unit" >"$work/recheck" 2>&1; then
    echo "fuzz_$target: stopped by a timeout that its input does not repeat alone" \
      "($(grep -Eo 'in [0-9]+ ms' "$work/recheck" | head -n 1)); the machine stalled, not the code"
    return 1
  fi
  return 0
}

failed=0
for target in "${TARGETS[@]}"; do
  work=${works[$target]}
  status=0
  wait "${pids[$target]}" || status=$?
  if [ "$status" -eq 0 ] || ! timeout_repeats "$target" "$work"; then
    [ "$status" -eq 0 ] && echo "fuzz_$target: ${SECONDS_EACH} s, nothing found"
    grep -E '^#[0-9]+[[:space:]]+DONE' "$work/log" || true
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$work/log" || true
    if [ -n "${VANDOR_FUZZ_KEEP:-}" ]; then
      mkdir -p "$VANDOR_FUZZ_KEEP/$target"
      cp "$work/corpus"/* "$VANDOR_FUZZ_KEEP/$target/"
    fi
    rm -rf "$work"
  else
    tail -n 60 "$work/log" >&2
    echo "fuzz_$target FAILED; its log and the input that failed are in $work" >&2
    failed=1
  fi
done
exit "$failed"
