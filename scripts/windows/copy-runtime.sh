#!/usr/bin/env bash
# Copies the cross compiler's own run-time libraries (C++, GCC, threads) into a program folder,
# from wherever the installed MinGW-w64 version keeps them (12-posix on Debian 12, 14-posix on 13).
#   scripts/windows/copy-runtime.sh FOLDER
set -euo pipefail
folder=${1:?usage: copy-runtime.sh FOLDER}
for library in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp -u "$(x86_64-w64-mingw32-g++-posix -print-file-name="$library")" "$folder/"
done
