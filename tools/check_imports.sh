#!/usr/bin/env bash
# Checks that an executable needs no DLL beyond those every Windows (7 or
# later) has: the system's own libraries and its C runtime.
#   bash tools/check_imports.sh build/windows/Mirevo.exe
set -euo pipefail
exe=${1:?usage: check_imports.sh EXE}
allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll ole32.dll
 oleaut32.dll advapi32.dll msvcrt.dll "
status=0
while read -r dll; do
  lower=${dll,,}
  if [[ $allowed != *" $lower"[[:space:]]* ]]; then
    echo "imports: $exe needs $dll, which a bare Windows does not have"
    status=1
  fi
done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
[[ $status -eq 0 ]] && echo "imports: $(basename "$exe") needs only system DLLs"
exit $status
