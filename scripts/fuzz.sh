#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (address and undefined-behaviour
# sanitizers) and runs each for SECONDS (default 60), one after the other. Each target
# starts from the seed corpus in fuzz/corpus and keeps what it finds in
# build-fuzz/corpus; a finding stops the script with the input in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
source scripts/packages.sh
TENPO_PACKAGES+=("${TENPO_FUZZ_PACKAGES[@]}")
ensure_packages

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTENPO_FUZZ=ON -DTENPO_BENCH=OFF
targets=(open_plain open_password json_import)
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
mkdir -p build-fuzz/findings
for target in "${targets[@]}"; do
  seeds=fuzz/corpus/${target%%_*}
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds}s"
  log=build-fuzz/fuzz_$target.log
  status=0
  # Inputs as large as a deeply nested JSON of 100 KB must be reached.
  size=()
  [ "$target" = json_import ] && size=(-max_len=204800 -len_control=0)
  "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 "${size[@]}" \
    -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
    "$corpus" "$seeds" >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|SUMMARY|==[0-9]+==ERROR)|runtime error' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "fuzz_$target found a fault (status $status); see build-fuzz/findings" >&2
    exit 1
  fi
done
echo "fuzzing: ${#targets[@]} passed, 0 failed"
