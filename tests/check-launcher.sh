#!/usr/bin/env bash
# The shipped program runs on a bare Windows and starts lean: it imports Windows' own DLLs only, loads
# DirectDraw, the file dialog, the shell and COM on first use, and stays within 384 KiB. Its manifest declares it
# aware of the display's scale and sets its code page to UTF-8, and asks for nothing else: no execution level,
# no other common controls.
# Prints what it imports ("ok: NAME" per DLL), exits non-zero on any breach.
#   check-launcher.sh OBJDUMP SkvLauncher.exe
set -euo pipefail
objdump=${1:?usage: check-launcher.sh OBJDUMP SkvLauncher.exe}
program=${2:?usage: check-launcher.sh OBJDUMP SkvLauncher.exe}
imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr -d '\r')
[ -n "$imports" ] || { echo "no imported DLLs found in $program" >&2; exit 1; }
status=0
for dll in $imports; do
    case "${dll,,}" in
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | comctl32.dll | msvcrt.dll) echo "ok: $dll" ;;
    ddraw.dll | comdlg32.dll | shell32.dll | ole32.dll) echo "LOADED AT START: $dll is meant to be loaded on first use" >&2 && status=1 ;;
    *) echo "NOT A SYSTEM DLL: $dll" >&2 && status=1 ;;
    esac
done
[ "$(stat -c %s "$program")" -le $((384 * 1024)) ] || { echo "TOO BIG: over 384 KiB" >&2 && status=1; }
grep -aq '>true</dpiAware>' "$program" || { echo "NOT DECLARED AWARE OF THE DISPLAY'S SCALE" >&2 && status=1; }
grep -aq '>UTF-8</activeCodePage>' "$program" || { echo "CODE PAGE NOT SET TO UTF-8" >&2 && status=1; }
grep -aqE 'trustInfo|<dependency' "$program" && echo "MANIFEST ASKS FOR MORE THAN SCALE AWARENESS AND UTF-8" >&2 && status=1
exit $status
