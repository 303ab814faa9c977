#!/usr/bin/env bash
# Checks that Mirevo.exe loads before WinMain no DLL beyond the system's
# kernel, its C runtime and advapi32, which every Windows (7 or later) has.
# The interface's DLLs (user32, gdi32, comctl32, ...) are not in its import
# table: they are delay-loaded, all of them system DLLs (the list in
# src/ui/CMakeLists.txt), so that reading the data file need not
# wait for them.
#   bash tools/check_imports.sh build/windows/Mirevo.exe
set -euo pipefail
exe=${1:?usage: check_imports.sh EXE}
allowed=" kernel32.dll advapi32.dll msvcrt.dll "
status=0
while read -r dll; do
  lower=${dll,,}
  if [[ $allowed != *" $lower"[[:space:]]* ]]; then
    echo "imports: $exe loads $dll before WinMain"
    status=1
  fi
done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
[[ $status -eq 0 ]] && echo "imports: $(basename "$exe") loads only the kernel, advapi32 and the C runtime before WinMain"
exit $status
