#!/usr/bin/env bash
# payload-tool as the build and a developer use it: same input, same bytes;
# extract gives back what was packed; damaged entries and bad sources are
# refused with a message that says why.
#   PayloadToolCliTest.sh TOOL SOURCE_DIR WORK_DIR
set -u
tool=$1 src=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
check() {  # check "what" command...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
contains() { grep -qF -- "$2" "$1"; }

"$tool" key-material "$src/content/key-material-seed.txt" km.bin
"$tool" key-material "$src/content/key-material-seed.txt" km2.bin
check "key material is 968 bytes" test "$(stat -c %s km.bin)" = 968
check "key material is reproducible" cmp -s km.bin km2.bin
printf 'another seed' > seed2.txt
"$tool" key-material seed2.txt other.bin

licence=$src/content/licences/licence-pl.txt
"$tool" pack --key-material km.bin "$licence" a.bin --item-count 5 > pack.out
"$tool" pack --key-material km.bin "$licence" b.bin --item-count 5 > /dev/null
check "same input gives the same entry" cmp -s a.bin b.bin
check "pack reports the size against zlib -9" contains pack.out "(zlib -9: "
check "stored size is a multiple of 8" test $(( $(stat -c %s a.bin) % 8 )) = 0

"$tool" extract --key-material km.bin a.bin plain.out > extract.out
check "extract gives back the file" cmp -s "$licence" plain.out
check "extract prints DataSize" contains extract.out "DataSize $(stat -c %s "$licence")"
check "extract prints ItemCount" contains extract.out "ItemCount 5"

"$tool" pack --key-material km.bin --text "$licence" text.bin > /dev/null
"$tool" extract --key-material km.bin text.bin text.out > /dev/null
check "--text ends every line with CR LF" test "$(grep -c $'\r$' text.out)" = "$(wc -l < "$licence")"
check "--text changes nothing else" sh -c "sed 's/\r\$//' text.out | cmp -s - '$licence'"

"$tool" extract --key-material other.bin a.bin x.out 2> wrongkey.err
check "another key exits non-zero" test $? -ne 0
check "another key names the StoredSize check" contains wrongkey.err "StoredSize differs"
cp a.bin damaged.bin
printf '\x55' | dd of=damaged.bin bs=1 seek=200 conv=notrunc 2>/dev/null
"$tool" extract --key-material km.bin damaged.bin x.out 2> damaged.err
check "a damaged entry exits non-zero" test $? -ne 0
check "a damaged entry names its check" contains damaged.err "rejected: "

strings=$src/content/strings
"$tool" pack-strings --key-material km.bin --ids "$src/payload/StringIds.h" --hex-ids 146-151 --out-dir . \
    "$strings/common.txt" "$strings/ui0-english.txt" "$strings/ui1-polish.txt" "$strings/extra.txt" > tables.out
check "the real tables pack" test $? -eq 0
"$tool" strings --key-material km.bin strings-ui1.bin > ui1.out
check "strings lists id and text" contains ui1.out "100 < Wstecz"
check "listing shows the escape" grep -q '^131 .*\\n\\nZanim' ui1.out

printf '1 one\n2 two\n1 again\n' > dup.txt
"$tool" pack-strings --key-material km.bin --ids "$src/payload/StringIds.h" --out-dir . \
    dup.txt "$strings/ui0-english.txt" "$strings/ui1-polish.txt" "$strings/extra.txt" 2> dup.err
check "a duplicate id is refused" test $? -ne 0
check "the refusal names file and line" contains dup.err "dup.txt:3: duplicate string id 1 (first on line 1)"
printf '146 0a\n' > lower.txt
cat "$strings/common.txt" | grep -v '^146' >> lower.txt
"$tool" pack-strings --key-material km.bin --ids "$src/payload/StringIds.h" --hex-ids 146-151 --out-dir . \
    lower.txt "$strings/ui0-english.txt" "$strings/ui1-polish.txt" "$strings/extra.txt" 2> hex.err
check "lower-case hex is refused" contains hex.err "lower.txt:1: pattern string 146"
grep -v '^93 ' "$strings/ui1-polish.txt" > ui1-missing.txt
"$tool" pack-strings --key-material km.bin --ids "$src/payload/StringIds.h" --out-dir . \
    "$strings/common.txt" "$strings/ui0-english.txt" ui1-missing.txt "$strings/extra.txt" 2> missing.err
check "UI tables with different ids are refused" contains missing.err "string 93 is missing from ui1-missing.txt"
check "a named id missing is refused" contains missing.err "StrCaption (93) is in none of ui1-missing.txt"

exit $((failures > 0))
