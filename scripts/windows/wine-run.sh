#!/usr/bin/env bash
# Runs one Qt Test suite of a Windows cross build under Wine, for CTest: the build is configured
# with this script and its runtime folder as CMAKE_CROSSCOMPILING_EMULATOR (scripts/windows/
# build.sh), so that `ctest` in the build folder runs each suite through it.
#   wine-run.sh RUNTIME_FOLDER SUITE.exe [ARGUMENTS...]
# RUNTIME_FOLDER holds the Qt and MinGW run-time libraries, the offscreen platform and the fonts
# (scripts/windows/run-suites.sh lays it out); WINEPREFIX names the Wine prefix. The suite's
# results are printed, and its exit status is the suite's.
set -uo pipefail
run=${1:?usage: wine-run.sh RUNTIME_FOLDER SUITE.exe [ARGUMENTS...]}
suite=${2:?usage: wine-run.sh RUNTIME_FOLDER SUITE.exe [ARGUMENTS...]}
shift 2
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix (scripts/windows/run-suites.sh sets it)}"
[ -d "$run/platforms" ] || { echo "no runtime folder at $run: run scripts/windows/run-suites.sh" >&2; exit 2; }
export WINEDEBUG=-all
# Wine leaves out of a program's environment every variable whose name starts with QT_ (so that
# a Linux desktop's Qt settings do not reach Windows programs); a WINE in front gets one through,
# without the WINE. Without an X server Wine still gives Qt the hidden windows it needs. The
# libraries are found in the runtime folder through the search path, the platform as a plugin.
windows_run="Z:${run//\//\\}"
export WINEPATH="$windows_run" WINEQT_PLUGIN_PATH="$windows_run"
export WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR="$windows_run\\fonts"
# What the suites keep for a person to look at (the printed page): RUNTIME_FOLDER/output.
mkdir -p "$run/output" "$run/results"
export SORANIKA_TEST_OUTPUT="$windows_run\\output"
unset DISPLAY WAYLAND_DISPLAY
# Qt Test's results do not come through a pipe from Wine; a file does.
name=$(basename "$suite" .exe)
results="$run/results/$name.txt"
rm -f "$results"
status=0
(cd "$run" && wine "$suite" "$@" -o "results\\$name.txt,txt" > /dev/null 2>&1) || status=$?
if [ -f "$results" ]; then
    cat "$results"
else
    echo "$name did not finish (exit status $status)"
fi
exit "$status"
