#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang) and runs each for a bounded time, all at
# once. Fails on any finding; the input that caused it is kept in build-fuzz/findings/.
#
#   FUZZ_SECONDS   seconds each target runs (default 30)
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root_dir"
seconds="${FUZZ_SECONDS:-30}"
targets=(fuzz_numbertext fuzz_network fuzz_json fuzz_graphml fuzz_csv)

bash scripts/setup.sh install build fuzz
if [[ ! -f build-fuzz/CMakeCache.txt ]]; then
    cmake --preset fuzz
fi
cmake --build --preset fuzz

mkdir -p build-fuzz/findings build-fuzz/logs
pids=()
for target in "${targets[@]}"; do
    # New inputs go to a corpus in the build tree; the seeds in fuzz/corpus are only read.
    mkdir -p "build-fuzz/corpus/$target"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="build-fuzz/findings/$target-")
    if [[ -f "fuzz/$target.dict" ]]; then
        options+=(-dict="fuzz/$target.dict")
    fi
    if [[ "$target" == fuzz_numbertext ]]; then
        options+=(-max_len=32767)  # as long as a text box holds
    fi
    "build-fuzz/fuzz/$target" "${options[@]}" "build-fuzz/corpus/$target" "fuzz/corpus/$target" \
        >"build-fuzz/logs/$target.log" 2>&1 &
    pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
    target="${targets[$i]}"
    log="build-fuzz/logs/$target.log"
    if wait "${pids[$i]}"; then
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)"
        echo "fuzz.sh: $target: no finding in ${seconds} s, ${runs:-?} executions"
    else
        failed=1
        echo "fuzz.sh: $target: FINDING (log follows; input kept in build-fuzz/findings/)"
        tail -n 60 "$log"
    fi
done
exit "$failed"
