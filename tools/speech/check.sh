#!/usr/bin/env bash
# Checks the delivered message files data/ms00.dat ... data/ms23.dat and their
# English counterparts data/en/ms00.dat ... data/en/ms23.dat:
#  - all twelve of each language exist, decode as CP932 and use CR LF line ends throughout;
#  - lines 0..17 (greeting, result, pass and corner remarks, fillers) are
#    ordinary text: not empty and not starting with '*' (the random-remark scan
#    starts at line 0, so a marker there would be taken for an entry);
#  - from line 18 the random remarks: "**", one or more text lines, "*END",
#    at least two entries, then "*MesEnd" as the last line;
#  - every text line fits the speech bubble (at most 28 bytes, 14 full-width
#    characters);
#  - the English files hold printable ASCII only;
#  - each file matches what build.sh makes from its UTF-8 source.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
data="${1:-$root/data}"
fail=0

fresh="$(mktemp -d)"
trap 'rm -rf "$fresh"' EXIT
"$here/build.sh" "$fresh" >/dev/null || { echo "FAIL: build.sh cannot convert the sources"; fail=1; }

for lang in "" en/; do
for stage in 0 1 2; do
    for who in 0 1 2 3; do
        f="$data/${lang}ms$stage$who.dat"
        if [[ ! -f "$f" ]]; then
            echo "FAIL: $f missing"; fail=1; continue
        fi
        if ! iconv -f CP932 -t UTF-8 "$f" >/dev/null 2>&1; then
            echo "FAIL: $f does not decode as CP932"; fail=1
        fi
        if [[ -n "$lang" ]] && LC_ALL=C grep -q $'[^\r -~]' "$f"; then
            echo "FAIL: $f holds more than printable ASCII"; fail=1
        fi
        if [[ -f "$fresh/${lang}ms$stage$who.dat" ]] && ! cmp -s "$f" "$fresh/${lang}ms$stage$who.dat"; then
            echo "FAIL: $f is out of date with tools/speech/${lang}ms$stage$who.txt (run build.sh)"; fail=1
        fi
        if [[ "$(tail -c 2 "$f" | od -An -tx1 | tr -d ' \n')" != "0d0a" ]]; then
            echo "FAIL: $f does not end with CR LF"; fail=1
        fi
        # Bytes are compared in the C locale: CP932 trail bytes are never
        # 0x0A, 0x0D or '*', so line splitting and marker tests are exact.
        LC_ALL=C awk -v file="$f" '
            function bad(msg) { printf "FAIL: %s line %d: %s\n", file, NR - 1, msg; errors++ }
            {
                if (substr($0, length($0), 1) != "\r") {
                    if (!noCr++) bad("no CR before LF (CR LF line ends expected)")
                } else $0 = substr($0, 1, length($0) - 1)
                if (index($0, "\r")) bad("stray CR")
                line = NR - 1
                if (done) { bad("text after *MesEnd"); next }
                if (line < 18) {
                    if ($0 == "") bad("empty fixed line")
                    else if (substr($0, 1, 1) == "*") bad("marker-like fixed line: " $0)
                } else if ($0 == "**") {
                    if (state == "text" || state == "open") bad("** inside an entry")
                    state = "open"; entries++
                } else if ($0 == "*END") {
                    if (state != "text") bad("*END without text after **")
                    state = "closed"
                } else if ($0 == "*MesEnd") {
                    if (state == "open" || state == "text") bad("entry not closed by *END")
                    done = 1
                } else {
                    if (line == 18) bad("random remarks must start with ** at line 18")
                    if (state != "open" && state != "text") bad("text outside an entry: " $0)
                    if ($0 == "") bad("empty text line")
                    if (substr($0, 1, 1) == "*") bad("marker-like text line: " $0)
                    state = "text"
                }
                if (length($0) > 28) bad("too long for the bubble (" length($0) " bytes)")
            }
            END {
                if (NR < 19) { printf "FAIL: %s has only %d lines\n", file, NR; errors++ }
                if (!done) { printf "FAIL: %s has no *MesEnd\n", file; errors++ }
                if (entries < 2) { printf "FAIL: %s has %d random entries (need 2)\n", file, entries; errors++ }
                if (errors) exit 1
                printf "ok   %s: %d lines, %d random entries\n", file, NR, entries
            }' "$f" || fail=1
    done
done
done

if (( fail )); then echo "message files: FAILED"; exit 1; fi
echo "message files: all good"
