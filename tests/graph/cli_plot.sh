#!/usr/bin/env bash
# kvadrix-cli plot, handed to kvadrix-plot: a PNG and an SVG of real size and
# content without a screen; the computation names and the old tab names; a
# text that cannot be drawn gives exit code 1 and its message; without
# kvadrix-plot a clear message.
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unset DISPLAY
fail() { echo "FAIL: $*"; exit 1; }

"$cli" plot diff "x^3-3*x" 1 --out "$dir/diff.png" >/dev/null || fail "plot diff"
head -c 8 "$dir/diff.png" | od -An -tx1 | grep -q "89 50 4e 47 0d 0a 1a 0a" || fail "diff.png is no PNG"
[ "$(stat -c %s "$dir/diff.png")" -gt 10000 ] || fail "diff.png is too small to hold a graph"

# A regression's picture holds the residual panel below the chart.
height() { od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}'; }
"$cli" plot regression "(0,1); (1,3); (2,4); (3,7)" --out "$dir/regression.png" >/dev/null || fail "plot regression"
[ "$(height "$dir/regression.png")" -gt "$(height "$dir/diff.png")" ] || fail "regression.png has no residual panel"

"$cli" plot value "1/(x-1)" 3 --out "$dir/value.svg" >/dev/null || fail "plot value"
grep -q "<svg" "$dir/value.svg" || fail "value.svg is no SVG"
grep -q "f(x)" "$dir/value.svg" || fail "value.svg has no legend"

for names in "integrate integral" "minimise minimum"; do
  set -- $names
  "$cli" plot "$1" "x^2-1" "(1)" --out "$dir/$1.svg" >/dev/null 2>&1
  "$cli" plot "$2" "x^2-1" "(1)" --out "$dir/$2.svg" >/dev/null 2>&1
  [ -s "$dir/$1.svg" ] && cmp -s "$dir/$1.svg" "$dir/$2.svg" || fail "plot $2 is not plot $1"
done
"$cli" plot solve "x^2-2" --point "(1)" --out "$dir/solve.svg" >/dev/null || fail "plot solve"
grep -q "sning" "$dir/solve.svg" || fail "solve.svg has no solution mark"

out=$("$cli" plot value "6x^" --out "$dir/bad.png" 2>&1); rc=$?
[ $rc -eq 1 ] || fail "unreadable text: exit code $rc"
echo "$out" | grep -q "kan ikke tegnes" || fail "unreadable text: message missing: $out"

out=$("$cli" --json plot value "x^2" --out "$dir/json.png"); rc=$?
[ $rc -eq 0 ] && echo "$out" | grep -q '"status":0}' || fail "plot --json: $out"

"$cli" plot diff "x^2" >/dev/null 2>&1; [ $? -eq 2 ] || fail "missing --out is a usage error"
out=$("$cli" plot nosuchtab "x" --out "$dir/x.png" 2>&1); rc=$?
[ $rc -eq 2 ] || fail "unknown name: exit code $rc"
echo "$out" | grep -q "^Kommandoer: integrate, value" || fail "unknown name: valid names not on their own line: $out"

printf 'plot value x^2 --out %s\nvalue x^2 3\n' "$dir/batch.png" | "$cli" batch - >"$dir/batch.txt" || fail "plot in a batch"
[ -s "$dir/batch.png" ] && grep -q "f(x0) = 9.0000" "$dir/batch.txt" || fail "plot in a batch: $(cat "$dir/batch.txt")"

# Alone, kvadrix-cli says where it looked for kvadrix-plot.
cp "$cli" "$dir/kvadrix-cli"
out=$("$dir/kvadrix-cli" plot value "x^2" --out "$dir/alone.png" 2>&1); rc=$?
if [ ! -x /usr/bin/kvadrix-plot ] && [ ! -x /usr/local/bin/kvadrix-plot ]; then
  [ $rc -eq 1 ] || fail "without kvadrix-plot: exit code $rc"
  echo "$out" | grep -q "kvadrix-plot" || fail "without kvadrix-plot: $out"
fi
"$dir/kvadrix-cli" value "x^2" 3 | grep -q "f(x0) = 9.0000" || fail "the other subcommands still work"
echo "1 passed, 0 failed"
