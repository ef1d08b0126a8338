#!/usr/bin/env bash
# Checks what a user copies from dist/: both builds present, GUI programs of the right machine,
# statically linked so that the import tables name only DLLs every Windows has.
set -euo pipefail
dist=$1
allowed="KERNEL32.dll USER32.dll GDI32.dll WINMM.dll COMDLG32.dll SHELL32.dll MSIMG32.dll ADVAPI32.dll OLE32.dll OLEAUT32.dll msvcrt.dll"
failures=0
check() {  # file, objdump prefix, expected format
  local file=$1 objdump=$2 format=$3 headers
  if [ ! -f "$file" ]; then echo "FAIL: $file is missing"; failures=$((failures + 1)); return; fi
  headers=$("$objdump" -p "$file")
  grep -q "file format $format" <<<"$headers" || { echo "FAIL: $file is not $format"; failures=$((failures + 1)); }
  grep -Eq "^Subsystem[[:space:]]+00000002" <<<"$headers" || { echo "FAIL: $file is not a GUI program"; failures=$((failures + 1)); }
  for dll in $(awk '/DLL Name:/ {print $3}' <<<"$headers"); do
    if ! grep -qiw "$dll" <<<"$allowed"; then echo "FAIL: $file imports $dll"; failures=$((failures + 1)); fi
  done
  echo "$file: $(awk '/DLL Name:/ {printf "%s ", $3}' <<<"$headers")"
}
for name in Quillane.scr Quillane.dll; do
  check "$dist/x64/$name" x86_64-w64-mingw32-objdump pei-x86-64
  check "$dist/x86/$name" i686-w64-mingw32-objdump pei-i386
done
[ "$failures" -eq 0 ] && echo "dist: every file passes" || exit 1
