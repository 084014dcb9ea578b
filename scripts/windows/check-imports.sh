#!/usr/bin/env bash
# Checks that every library an .exe or .dll in FOLDER (and below) imports is in FOLDER or is
# Windows' own. There is no windeployqt in Debian: the scripts list what a folder needs, and this
# proves the list complete.
#   scripts/windows/check-imports.sh FOLDER
set -euo pipefail
folder=${1:?usage: check-imports.sh FOLDER}
missing_libraries=()
while IFS= read -r -d '' file; do
    for library in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
        [ -f "$folder/$library" ] && continue
        case "${library,,}" in
        kernel32.dll | user32.dll | gdi32.dll | shell32.dll | ole32.dll | oleaut32.dll | \
            advapi32.dll | comdlg32.dll | winspool.drv | ws2_32.dll | msvcrt.dll | imm32.dll | \
            shlwapi.dll | uxtheme.dll | dwmapi.dll | version.dll | winmm.dll | netapi32.dll | \
            userenv.dll | mpr.dll | wtsapi32.dll | setupapi.dll | d3d9.dll | dxgi.dll | \
            d3d11.dll | d2d1.dll | dwrite.dll | comctl32.dll | authz.dll | shcore.dll | \
            d3d12.dll | api-ms-win-*) ;; # d3d12.dll: Qt 6.8's Gui; Windows 10 and Wine have it
        *) missing_libraries+=("$(basename "$file"): $library") ;;
        esac
    done
done < <(find "$folder" \( -name '*.exe' -o -name '*.dll' \) -print0)
if [ ${#missing_libraries[@]} -gt 0 ]; then
    printf 'missing from %s: %s\n' "$folder" "${missing_libraries[@]}" >&2
    exit 1
fi
