#!/usr/bin/env bash
# Checks the shape of a keyboard-layout DLL.
#   check-layout-dll.sh FILE OBJDUMP
set -u
file=$1 objdump=$2
headers=$("$objdump" -p "$file") || { echo "cannot read $file"; exit 1; }
sections=$("$objdump" -h "$file")
fail=0
expect() { grep -Eq "$2" <<<"$headers" || { echo "$file: $1"; fail=1; }; }
refuse() { grep -Eq "$2" <<<"$headers" && { echo "$file: $1"; fail=1; }; }
expect "not a DLL" '^[[:space:]]+DLL$'
expect "the image base is not 5ffe0000" '^ImageBase[[:space:]]+0*5ffe0000$'
expect "it has an entry point" '^AddressOfEntryPoint[[:space:]]+0+$'
expect "it carries a time stamp" '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970$'
expect "KbdLayerDescriptor is not exported" '\[ *0\] KbdLayerDescriptor$'
expect "it has no base relocations" 'Base Relocation Directory \[\.reloc\]'
expect "dynamic base is on" '^DllCharacteristics[[:space:]]+0*100$'
refuse "it imports a DLL" 'DLL Name:'
grep -q ' \.rsrc ' <<<"$sections" || { echo "$file: no resources"; fail=1; }
exit $fail
