#!/usr/bin/env bash
# Builds the fuzzers with clang into build-fuzz and runs each from the committed
# seeds, then prints how many inputs each one tried. A crash or a broken property
# fails the script; the input that did it is kept in build-fuzz/crashes/ (make it a
# regular test and a seed before fixing the code).
# Usage: fuzz/run.sh [seconds per fuzzer, default 60]   explores from a random start
#        fuzz/run.sh --fixed                            the same inputs every run, for CI:
#            a fixed start and a fixed count, so the outcome depends on the code alone
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
if [ "${1:-}" = --fixed ]; then
    seconds=
else
    seconds=${1:-60}
fi
build=build-fuzz

source tools/install-packages.sh
install_packages clang-14 libclang-rt-14-dev cmake make qt6-base-dev

cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" -j 2
mkdir -p "$build/crashes"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
# A fixed run must try the same inputs every time. Besides its own seed, libFuzzer
# is steered by the values the code compares, addresses among them, and by a timed
# reload of the corpus folder: the run goes without address randomisation where the
# system allows it, reloads nothing, and gives Qt's hashing a fixed seed.
unchanging=()
if [ -z "$seconds" ]; then
    export QT_HASH_SEED=0
    if setarch -R true 2>/dev/null; then
        unchanging=(setarch -R)
    else
        echo "fuzz/run.sh: addresses stay random here, so a fixed run may still vary" >&2
    fi
fi

# Name, seed folder, and the inputs tried in a fixed run (about a minute each here).
for fuzzer in CountryListFuzzer:country-list:600000 ErrorReportFuzzer:error-report:2000000; do
    IFS=: read -r name seeds fixedRuns <<<"$fuzzer"
    if [ -n "$seconds" ]; then
        bound=(-max_total_time="$seconds")
    else
        bound=(-seed=1 -runs="$fixedRuns" -reload=0)
    fi
    # New inputs go to a scratch corpus, so the committed seeds stay as they are.
    mkdir -p "$work/$seeds"
    if ! "${unchanging[@]}" "$build/$name" "${bound[@]}" -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" \
        "$work/$seeds" "fuzz/corpus/$seeds" >"$work/$name.log" 2>&1; then
        tail -n 40 "$work/$name.log"
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$name.log")
    echo "$name: ${runs:-no} executions, $(ls "$work/$seeds" | wc -l) new inputs kept"
done
exit $status
