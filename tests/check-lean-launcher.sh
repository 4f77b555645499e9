#!/usr/bin/env bash
# Fails when the launcher grows past 256 KiB, or when it imports at load time a DLL it needs only for
# one command (DirectDraw for the display settings, the file dialog, the shell): those are loaded on
# first use, so that starting the launcher does not load them and what they bring along.
#   check-lean-launcher.sh OBJDUMP SkvLauncher.exe
set -euo pipefail

objdump=${1:?usage: check-lean-launcher.sh OBJDUMP SkvLauncher.exe}
program=${2:?usage: check-lean-launcher.sh OBJDUMP SkvLauncher.exe}
limit=$((256 * 1024))

status=0
size=$(stat -c %s "$program")
if [ "$size" -le "$limit" ]; then
    echo "ok: $size bytes (limit $limit)"
else
    echo "TOO BIG: $program is $size bytes, over $limit" >&2
    status=1
fi

imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr -d '\r' |
    tr '[:upper:]' '[:lower:]')
if [ -z "$imports" ]; then
    echo "no imported DLLs found in $program" >&2
    exit 1
fi
for dll in ddraw.dll comdlg32.dll shell32.dll; do
    if grep -qx "$dll" <<<"$imports"; then
        echo "LOADED AT START: $program imports $dll; it is meant to be loaded on first use" >&2
        status=1
    else
        echo "ok: $dll not imported"
    fi
done
exit $status
