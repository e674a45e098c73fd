#!/usr/bin/env bash
# kvadrix-cli plot: a PNG and an SVG of real size and content, without a
# screen; a text that cannot be drawn gives exit code 1 and its message.
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unset DISPLAY
fail() { echo "FAIL: $*"; exit 1; }

"$cli" plot diff "x^3-3*x" 1 --out "$dir/diff.png" || fail "plot diff"
head -c 8 "$dir/diff.png" | od -An -tx1 | grep -q "89 50 4e 47 0d 0a 1a 0a" || fail "diff.png is no PNG"
[ "$(stat -c %s "$dir/diff.png")" -gt 10000 ] || fail "diff.png is too small to hold a graph"

"$cli" plot value "1/(x-1)" 3 --out "$dir/value.svg" || fail "plot value"
grep -q "<svg" "$dir/value.svg" || fail "value.svg is no SVG"
grep -q "f(x)" "$dir/value.svg" || fail "value.svg has no legend"

out=$("$cli" plot value "6x^" --out "$dir/bad.png" 2>&1); rc=$?
[ $rc -eq 1 ] || fail "unreadable text: exit code $rc"
echo "$out" | grep -q "kan ikke tegnes" || fail "unreadable text: message missing: $out"

"$cli" plot diff "x^2" >/dev/null 2>&1; [ $? -eq 2 ] || fail "missing --out is a usage error"
"$cli" plot nosuchtab "x" --out "$dir/x.png" >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown tab is a usage error"
"$cli" value "x^2" 3 | grep -q "f(x0) = 9.0000" || fail "the other subcommands still work"
echo "1 passed, 0 failed"
