#!/usr/bin/env bash
# Start-up of the program against a bare Qt Widgets window, both built the same way, each started
# RUNS times in a private X server: time from launch to the window's first exposure, and peak
# memory. Prints medians.
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: startup.sh BUILD_DIR [RUNS]}
runs=${2:-31}
. "$(dirname "$0")/../scripts/lib/desktop-session.sh"
trap session_end EXIT
session_start

one_run() { # program -> "microseconds maxrss_kb"
    local start out exposed rss
    start=$(date +%s%N)
    out=$("$1")
    exposed=$(sed -n 's/^exposed_ns //p' <<< "$out")
    rss=$(sed -n 's/^maxrss_kb //p' <<< "$out")
    echo "$(( (exposed - start) / 1000 )) $rss"
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

soranika="$build/bench/startup/bench-startup-soranika"
bare_qt="$build/bench/startup/bench-startup-bare"
# One warm-up run each, so both start from the same file cache; then the two take turns, so that
# a busy moment of the machine falls on both alike.
one_run "$soranika" > /dev/null
one_run "$bare_qt" > /dev/null
program=""
bare=""
for i in $(seq "$runs"); do
    program+="$(one_run "$soranika")"$'\n'
    bare+="$(one_run "$bare_qt")"$'\n'
done
program=${program%$'\n'}
bare=${bare%$'\n'}
p_time=$(cut -d' ' -f1 <<< "$program" | median)
b_time=$(cut -d' ' -f1 <<< "$bare" | median)
p_rss=$(cut -d' ' -f2 <<< "$program" | median)
b_rss=$(cut -d' ' -f2 <<< "$bare" | median)
echo "start-up to first exposure under Xvfb, median of $runs runs:"
printf '  ソラニカ   %6.1f ms   peak memory %6.1f MB\n' "$(bc -l <<< "$p_time/1000")" "$(bc -l <<< "$p_rss/1024")"
printf '  bare Qt    %6.1f ms   peak memory %6.1f MB\n' "$(bc -l <<< "$b_time/1000")" "$(bc -l <<< "$b_rss/1024")"
printf '  ratio %.2f, memory difference %.1f MB\n' "$(bc -l <<< "$p_time/$b_time")" \
    "$(bc -l <<< "($p_rss-$b_rss)/1024")"
echo "  machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
