#!/usr/bin/env bash
# Installs what is missing, builds the libFuzzer targets with clang and runs each one for a fixed
# number of inputs from a copy of its seed corpus. Exits non-zero on any finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"

# Inputs per target: about 40 s each on two idle cores; -max_total_time stops a slow machine.
READ_NUMBER_RUNS=${READ_NUMBER_RUNS:-6000000}
AMPLITUDE_CLICK_RUNS=${AMPLITUDE_CLICK_RUNS:-25000}

install_missing cmake make clang libclang-rt-14-dev
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLCHP_FUZZ=ON -DLCHP_BUILD_WINDOW=OFF -DLCHP_BUILD_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz_read_number fuzz_amplitude_click

# The seed corpus in the repository stays as it is: the fuzzer adds what it finds to a copy.
run_target() {
    local name=$1 corpus=$2 runs=$3
    local work="$build/fuzz-run/$name"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/findings"
    cp -R "$root/fuzz/corpus/$corpus/." "$work/corpus/"
    local start=$SECONDS status=0
    (cd "$work" && "$build/fuzz/$name" -runs="$runs" -max_total_time=60 -max_len=256 \
        -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/findings/" corpus >"$work/log" 2>&1) || status=$?
    local executed
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$work/log"
        echo "$name: FAILED (exit $status) after $((SECONDS - start)) s; input in $work/findings/"
        return 1
    fi
    echo "$name: ok, ${executed:-?} inputs in $((SECONDS - start)) s, no finding"
}

failed=0
run_target fuzz_read_number read_number "$READ_NUMBER_RUNS" || failed=1
run_target fuzz_amplitude_click amplitude_click "$AMPLITUDE_CLICK_RUNS" || failed=1
exit "$failed"
