#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ (clang, ASan, UBSan) and runs
# each for SECONDS (default 20) on a copy of its seed corpus under
# tests/fuzz/corpus/, with leak detection on. Fails on any crash, hang over
# one second, leak or undefined behaviour; the input that found it is kept
# under build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# A line per target ends the run: its executions and seconds, for README.
# SAYORA_FUZZ_RUNS=N stops a target after N executions if that comes first;
# SAYORA_FUZZ_BUILT=1 skips the build (runs side by side on a built tree);
# SAYORA_FUZZ_TIMEOUT=S counts an input as a hang after S seconds (1).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
shift || true
cd "$root"

all=(fuzz_rtf fuzz_settings fuzz_zip fuzz_books fuzz_pdf fuzz_epub fuzz_docx fuzz_odt fuzz_html
     fuzz_positions fuzz_pronunciation fuzz_version)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

build=build-fuzz
if [ "${SAYORA_FUZZ_BUILT:-0}" != 1 ]; then
  cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DSAYORA_FUZZ=ON \
    -DSAYORA_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >&2
fi

# halt_on_error makes undefined behaviour a finding like a crash.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export QT_QPA_PLATFORM=offscreen

findings="$build/findings"
mkdir -p "$findings"
summary=()
failed=0
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  rm -rf "$work"
  mkdir -p "$work"
  cp -r "tests/fuzz/corpus/$target/." "$work/"
  # The readers' own test pages seed the HTML target too.
  [ "$target" = fuzz_html ] && cp tests/reader/documents/data/books/*.html "$work/"
  extra=()
  [ -n "${SAYORA_FUZZ_RUNS:-}" ] && extra+=(-runs="$SAYORA_FUZZ_RUNS")
  [ -f "tests/fuzz/${target#fuzz_}.dict" ] && extra+=(-dict="tests/fuzz/${target#fuzz_}.dict")
  log="$build/$target.log"
  echo "== $target: $seconds s" >&2
  status=0
  "$build/bin/$target" -max_total_time="$seconds" -timeout="${SAYORA_FUZZ_TIMEOUT:-1}" -rss_limit_mb=2048 -detect_leaks=1 \
    -print_final_stats=1 -artifact_prefix="$findings/$target-" "${extra[@]}" "$work" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  if [ "$status" -ne 0 ] || grep -qE "^(==[0-9]+==ERROR|SUMMARY: )|runtime error:" "$log"; then
    failed=1
    summary+=("$target: FAILED after ${runs:-?} executions (exit $status); see $log and $findings/")
    grep -E "ERROR|runtime error|SUMMARY|Test unit written" "$log" | head -n 5 >&2 || true
  else
    summary+=("$target: ${runs:-?} executions in ${took:-?} s, no finding")
  fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
