#!/usr/bin/env bash
# Builds the date-reader fuzzer with clang in build-fuzz/ and runs it for a bounded time.
#   fuzz/run-fuzz.sh [SECONDS]      (default 30)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$here/build-fuzz"

CXX=clang++ cmake -S "$here" -B "$build" -DSORANIKA_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$build.configure.log" 2>&1 ||
    { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target fuzz_birthdate -j"$(nproc)"

# Work on a copy of the seed corpus, so the committed seeds stay as they are.
mkdir -p "$build/corpus"
cp -n "$here"/fuzz/corpus/* "$build/corpus/" 2>/dev/null || true
echo "fuzzing ParseDateText and ValidateBirthDate for ${seconds} s"
"$build/fuzz/fuzz_birthdate" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/" "$build/corpus" 2>&1 | tail -n 12
