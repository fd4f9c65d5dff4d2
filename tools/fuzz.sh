#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz and runs each for a while on a
# copy of its seeds. Usage: tools/fuzz.sh [--seconds N] [TARGET...]   (default 300, all)
# Exits non-zero when any target crashes, leaks, hangs or runs out of memory, after printing
# the input that does it. Prints, per target, executions a second, edges covered and the time
# run clean.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=300
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=${2:?--seconds needs a number}; shift 2 ;;
    --seconds=*) seconds=${1#--seconds=}; shift ;;
    -h|--help) sed -n '2,6p' "$0"; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
if [ ${#targets[@]} -eq 0 ]; then
  targets=(profile_string conversions registry_file sheet_arguments picture own_set_import
           stored_settings)
fi

bash tools/setup.sh

build=build-fuzz
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZAVOLIN_FUZZ=ON -DZAVOLIN_BUILD_TESTS=OFF -DZAVOLIN_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}" -- -j"${FUZZ_JOBS:-$(nproc)}"

export QT_QPA_PLATFORM=offscreen
# The targets write each input to files; in memory that costs little, even the registry's fsync.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

out="$root/$build/fuzz-runs"
summary=()
failed=()
for target in "${targets[@]}"; do
  exe="$root/$build/fuzz/fuzz_$target"
  [ -x "$exe" ] || { echo "fuzz.sh: no target $target" >&2; exit 2; }
  work="$out/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp -r fuzz/corpus/"$target"/. "$work/corpus/"
  # Found inputs go to the copy; the kept regression inputs are read as well.
  dirs=("$work/corpus")
  [ -d "fuzz/regressions/$target" ] && dirs+=("$root/fuzz/regressions/$target")
  echo "== $target: $seconds s"
  status=0
  "$exe" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "${dirs[@]}" \
    >"$work/log" 2>&1 || status=$?
  # The last status line: "#N DONE cov: C ft: F corp: ... exec/s: E rss: ..."
  last=$(grep -E '^#[0-9]+' "$work/log" | tail -n 1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  execs=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -n 1)
  clean=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$work/log" | tail -n 1)
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    clean=0
    echo "fuzz.sh: $target FAILED (exit $status); the end of its log ($work/log):"
    grep -E 'ERROR|SUMMARY|zavolin fuzz|runtime error|^ *#[0-9]+ 0x' "$work/log" | head -n 40 || true
    tail -n 5 "$work/log"
    for input in "$work"/artifacts/*; do
      [ -f "$input" ] || continue
      echo "reproducing input: $input ($(stat -c %s "$input") bytes)"
      echo "  run it again: $exe $input"
      od -A x -t x1z -v "$input" | head -n 32
      echo "base64:"
      base64 -w 76 "$input" | head -n 40
    done
  fi
  summary+=("$(printf '%-16s %10s %8s %10s' "$target" "${execs:-?}" "${cov:-?}" "${clean:-0} s")")
done

echo
printf '%-16s %10s %8s %10s\n' target "exec/s" cov clean
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: faults in ${failed[*]}" >&2
  exit 1
fi
