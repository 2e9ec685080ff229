#!/usr/bin/env bash
# meldora-sim given what is no scenario: each case must end with exit status 2
# and one line on standard error that names the file (and the line, where
# there is one); a crash, a hang or a run would fail here.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failed=0

mkdir "$dir/folder"
: >"$dir/empty.scn"
head -c 4096 /dev/urandom >"$dir/garbage.scn"
printf 'player 2C\n\001\377\376garbage\n' >"$dir/binary-line.scn"
truncate -s 100M "$dir/huge.scn"
{ printf 'player 2C\n'; head -c 1000000 /dev/zero | tr '\0' 'x'; printf '\n'; } >"$dir/long-line.scn"

# FILE  the start the message must have
check() {
    local file=$1 expected=$2
    "$sim" "$file" >"$dir/out" 2>"$dir/err" </dev/null
    local status=$?
    local lines; lines=$(wc -l <"$dir/err")
    if [ "$status" -ne 2 ] || [ "$lines" -ne 1 ] || ! grep -q "^$expected" "$dir/err" ||
        [ -s "$dir/out" ]; then
        echo "FAIL $file: status $status, $lines lines: $(head -c 300 "$dir/err")"
        failed=1
    else
        echo "ok   $(cat "$dir/err")"
    fi
}
check "$dir/missing.scn" "$dir/missing.scn: no such file"
check "$dir/folder" "$dir/folder: is a folder"
check "$dir/empty.scn" "$dir/empty.scn: is empty"
check "$dir/garbage.scn" "$dir/garbage.scn: line [0-9]*: "
check "$dir/binary-line.scn" "$dir/binary-line.scn: line 2: not UTF-8 text"
check "$dir/huge.scn" "$dir/huge.scn: larger than"
check "$dir/long-line.scn" "$dir/long-line.scn: line 2: longer than"
exit $failed
