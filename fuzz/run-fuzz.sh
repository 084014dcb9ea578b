#!/usr/bin/env bash
# Builds the fuzzers with clang in build-fuzz/ and runs each in turn for a bounded time: the date
# reader, the batch form of soranika-cli and the code page 932 converter. Findings are written to
# build-fuzz/TARGET-crash-* and the like; the status is non-zero when any fuzzer found something.
#   fuzz/run-fuzz.sh [SECONDS]      (default 30, for each fuzzer)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$here/build-fuzz"
targets=(fuzz_birthdate fuzz_batch fuzz_cp932)

CXX=clang++ cmake -S "$here" -B "$build" -DSORANIKA_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$build.configure.log" 2>&1 ||
    { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)"

found=()
# fuzz TARGET SEEDS WHAT: works on a copy of the seed folder fuzz/SEEDS, so the committed seeds
# stay as they are.
fuzz() {
    local target=$1 seeds=$2 what=$3
    local corpus="$build/$seeds"
    mkdir -p "$corpus"
    cp -n "$here/fuzz/$seeds"/* "$corpus/" 2>/dev/null || true
    echo "fuzzing $what for ${seconds} s"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$build/$target-" "$corpus" > "$build/$target.log" 2>&1; then
        found+=("$target")
    fi
    tail -n 12 "$build/$target.log"
}

fuzz fuzz_birthdate corpus "ParseDateText and ValidateBirthDate"
fuzz fuzz_batch corpus-batch "soranika-cli --batch"
fuzz fuzz_cp932 corpus-cp932 "EncodeCp932 and DecodeCp932"

if [ ${#found[@]} -gt 0 ]; then
    echo "found something: ${found[*]} (see $build/TARGET.log and $build/TARGET-*)" >&2
    exit 1
fi
