#!/usr/bin/env bash
# Installs what is missing, checks the formatting and every file's licence, builds and runs the
# whole test suite: the normal build, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzzing run. The sanitized suite runs last, so that
# its summary closes the output.
#   scripts/test.sh                       (SORANIKA_FUZZ_SECONDS=30 by default)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$here/scripts/setup-debian.sh"
echo "== formatting (.clang-format)"
"$here/scripts/check-format.sh"
echo "== licences (reuse lint)"
"$here/scripts/check-licences.sh"
echo "== build (warnings are errors)"
# The normal build also checks the committed pictures against their generator.
"$here/scripts/build.sh" "$here/build" -DSORANIKA_WERROR=ON -DSORANIKA_PICTURE_GENERATOR=ON
echo "== includes (clang-include-cleaner)"
"$here/scripts/check-includes.sh" "$here/build"
echo "== tests"
# Without libfuse3 CMake leaves the power-cut test out with a warning; the test command does not.
ctest --test-dir "$here/build" -N | grep ' power_cut$' > /dev/null ||
    { echo "the power-cut test was not built: libfuse3-dev and pkgconf are missing" >&2; exit 1; }
(cd "$here/build" && ctest --output-on-failure -j"$jobs")

echo "== build with AddressSanitizer and UndefinedBehaviorSanitizer"
"$here/scripts/build.sh" "$here/build-asan" -DSORANIKA_SANITIZE=ON -DSORANIKA_WERROR=ON
echo "== fuzzing"
"$here/fuzz/run-fuzz.sh" "${SORANIKA_FUZZ_SECONDS:-30}"

echo "== tests under the sanitizers"
(cd "$here/build-asan" &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j"$jobs")
