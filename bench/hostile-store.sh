#!/usr/bin/env bash
# Start-up and Record against settings stores the program did not write, each case measured in a
# process of its own (see hostile_store.cpp).
#   bench/hostile-store.sh PATH/TO/bench-hostile-store
set -euo pipefail
bench=${1:?usage: hostile-store.sh PATH/TO/bench-hostile-store}
for name in fresh huge-time long-time many-keys long-count; do
    folder=$(mktemp -d)
    "$bench" prepare "$name" "$folder"
    "$bench" run "$name" "$folder" 2> /dev/null
    rm -rf "$folder"
done
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
