#!/usr/bin/env bash
# Checks that setup.exe stands alone: PE32 GUI for i386, stripped, importing
# only DLLs that every Windows has, with its manifest and version resource.
set -eu
exe=$1 objdump=$2
fail() { echo "check-image: $*" >&2; exit 1; }

headers=$($objdump -p "$exe")
grep -q 'file format pei-i386' <<<"$headers" || fail "not a PE32 i386 image"
grep -qE '^Subsystem\s+0+2\s' <<<"$headers" || fail "not a GUI program"
grep -qE '^DllCharacteristics' <<<"$headers" || fail "no DLL characteristics"
grep -q 'DYNAMIC_BASE' <<<"$headers" || fail "no ASLR flag"
grep -q 'NX_COMPAT' <<<"$headers" || fail "no DEP flag"
grep -qE '^MajorSubsystemVersion\s+5$' <<<"$headers" || fail "subsystem version is not 5.0"

system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|shlwapi|ole32|oleaut32|comctl32|msvcrt)\.dll$'
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || fail "no imports found"
while read -r dll; do
  grep -qE "$system_dlls" <<<"$dll" || fail "imports $dll, which is not a system DLL"
done <<<"$imports"

$objdump -h "$exe" | grep -q '\.rsrc' || fail "no resources"
grep -q 'Microsoft.Windows.Common-Controls' "$exe" || fail "no Common Controls 6 manifest"
grep -q 'asInvoker' "$exe" || fail "manifest lacks asInvoker"
grep -qa 'V.S._.V.E.R.S.I.O.N._.I.N.F.O' "$exe" || fail "no version information"
$objdump -t "$exe" | grep -qx 'no symbols' || fail "not stripped"
echo "setup.exe: PE32 GUI, imports: $(tr '\n' ' ' <<<"$imports")"
