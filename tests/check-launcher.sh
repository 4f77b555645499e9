#!/usr/bin/env bash
# The shipped program runs on a bare Windows and starts lean: it imports Windows' own DLLs only, loads
# DirectDraw, the file dialog and the shell on first use, and stays within 384 KiB. Prints what it
# imports ("ok: NAME" per DLL), exits non-zero on any breach.
#   check-launcher.sh OBJDUMP SkvLauncher.exe
set -euo pipefail
objdump=${1:?usage: check-launcher.sh OBJDUMP SkvLauncher.exe}
program=${2:?usage: check-launcher.sh OBJDUMP SkvLauncher.exe}
system="kernel32.dll user32.dll gdi32.dll advapi32.dll comctl32.dll ole32.dll msvcrt.dll"
on_first_use="ddraw.dll comdlg32.dll shell32.dll"

imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr -d '\r')
[ -n "$imports" ] || { echo "no imported DLLs found in $program" >&2; exit 1; }
status=0
while IFS= read -r dll; do
    name=$(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]')
    if [[ " $system " == *" $name "* ]]; then
        echo "ok: $dll"
    elif [[ " $on_first_use " == *" $name "* ]]; then
        echo "LOADED AT START: $dll is meant to be loaded on first use" >&2 && status=1
    else
        echo "NOT A SYSTEM DLL: $dll" >&2 && status=1
    fi
done <<<"$imports"
size=$(stat -c %s "$program")
[ "$size" -le $((384 * 1024)) ] || { echo "TOO BIG: $size bytes, over 384 KiB" >&2 && status=1; }
exit $status
