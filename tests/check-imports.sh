#!/usr/bin/env bash
# Fails when a program imports any DLL that is not part of Windows itself: the launcher must run
# on a bare Windows installation, without runtime DLLs of its own.
#   check-imports.sh OBJDUMP PROGRAM.exe
set -euo pipefail

objdump=${1:?usage: check-imports.sh OBJDUMP PROGRAM.exe}
program=${2:?usage: check-imports.sh OBJDUMP PROGRAM.exe}
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll comdlg32.dll ole32.dll ddraw.dll msvcrt.dll"

dump=$("$objdump" -p "$program") || { echo "cannot read the imports of $program" >&2; exit 1; }
imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr -d '\r')
if [ -z "$imports" ]; then
    echo "no imported DLLs found in $program: not a program that uses Windows?" >&2
    exit 1
fi

status=0
while IFS= read -r dll; do
    name=$(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]')
    if [[ " $allowed " == *" $name "* ]]; then
        echo "ok: $dll"
    else
        echo "NOT A SYSTEM DLL: $dll" >&2
        status=1
    fi
done <<<"$imports"
exit $status
