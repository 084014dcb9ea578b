#!/usr/bin/env bash
# Times `soranika-cli --batch` on 1,000,000 input lines: a mix of every era, accepted and refused
# dates, empty fields and malformed lines, as a script feeding it would send. Prints the best and
# the median of five runs.
set -euo pipefail

cli=${1:?usage: cli-batch.sh PATH/TO/soranika-cli [LINES]}
lines=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$lines" 'BEGIN {
    split("西暦 明治 大正 昭和 平成 西暦 西暦 令和", era, " ");
    for (i = 0; i < n; i++) {
        e = era[i % 8 + 1];
        if (i % 97 == 0) { print "broken line"; continue }
        if (i % 31 == 0) { printf "%s\t\t%d\t\n", e, i % 12 + 1; continue }
        year = (e == "西暦" || e == "令和") ? 1900 + i % 130 : i % 64 + 1;
        printf "%s\t%d\t%d\t%d\n", e, year, i % 12 + 1, i % 31 + 1;
    }
}' > "$work/input.tsv"

times=()
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$cli" --batch --today 2026-12-07 < "$work/input.tsv" > "$work/output.tsv"
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
done
[ "$(wc -l < "$work/output.tsv")" -eq "$lines" ] || { echo "output line count is wrong" >&2; exit 1; }

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "soranika-cli --batch, $lines lines ($(du -h "$work/input.tsv" | cut -f1) in):"
echo "  runs (ms): ${times[*]}"
echo "  best ${sorted[0]} ms, median ${sorted[2]} ms"
echo "  machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
