#!/usr/bin/env bash
# Builds the .deb from a plain Release build of the programs (no sanitizers,
# no tests), unpacks it into a temporary root with dpkg-deb -x, checks its
# files and dependencies (kvadrix-cli without any Qt library), and runs the
# unpacked kvadrix-cli once per subcommand (plot through the unpacked
# kvadrix-plot), so that a packaging fault fails CI.
#   tools/check-deb.sh [BUILD_DIR]   (default build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}

# One case per subcommand: arguments separated by '|', then the expected
# first line of the output after '=>'.
cases=(
  'value|x^2|3 => f(x0) = 9.0000'
  'diff|sin(2*x)|0 => f'"'"'(x) = 2*cos(2*x)'
  'reduce|x^3/x => Reduceret f(x) = x^2'
  'integrate|x*exp(x)|0|1 => F(x) = x*e^x-e^x'
  'roots|x^3-6x^2+11x-6 => Rødder = {1 , 2 , 3}'
  'divide|x^3+1|x^2 => q(x) = x'
  'fraction|(x^2-1)/(x-1) => Reduceret p(x)/q(x) = x+1'
  'minimise|(x-1)^2+(y+2)^2|(0,0) => Løsning (x,y) = (1.0000,-2.0000)'
  'solve|x^2+y^2=4|x-y|--point|(1,1) => Løsning = (1.4142,1.4142)'
  'regression|(0,1); (1,3); (2,5) => Regressionsliniens Ligning = 2*x+1'
  'plot|value|x^2|3|--out|/tmp/kvadrix-deb-plot.svg => f(x0) = 9.0000'
  'batch|/tmp/kvadrix-deb-batch.txt => > value x^2 3'
)
printf 'value x^2 3\n' >/tmp/kvadrix-deb-batch.txt

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVADRIX_TESTS=OFF -DKVADRIX_BENCH=OFF >/dev/null
cmake --build "$build" -j "${KVADRIX_JOBS:-2}" --target kvadrix kvadrix-cli kvadrix-plot kvadrix_icon kvadrix_docs
rm -f "$build"/kvadrix_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kvadrix_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
failed=0
fail() { echo "FEJL: $*" >&2; failed=1; }

for f in usr/bin/kvadrix usr/bin/kvadrix-cli usr/bin/kvadrix-plot usr/share/applications/kvadrix.desktop \
         usr/share/icons/hicolor/scalable/apps/kvadrix.svg usr/share/doc/kvadrix/README.md \
         usr/share/doc/kvadrix/copyright usr/share/doc/kvadrix/changelog.gz \
         usr/share/man/man1/kvadrix.1.gz usr/share/man/man1/kvadrix-cli.1.gz usr/share/man/man1/kvadrix-plot.1.gz \
         usr/share/metainfo/dk.kvadrix.kvadrix.metainfo.xml; do
  [ -s "$root/$f" ] || fail "$f mangler i pakken"
done
grep -q '^Categories=Education;Math;$' "$root/usr/share/applications/kvadrix.desktop" ||
  fail "kvadrix.desktop: forkerte kategorier"
grep -q '<polygon' "$root/usr/share/icons/hicolor/scalable/apps/kvadrix.svg" || fail "ikonet er tomt"

for tool in lintian desktop-file-validate appstreamcli man; do
  command -v "$tool" >/dev/null || fail "$tool mangler (tools/install-deps.sh installerer det)"
done
# The validators' every remark counts (hints and pedantic notes too).
out=$(desktop-file-validate "$root/usr/share/applications/kvadrix.desktop" 2>&1) && [ -z "$out" ] ||
  fail "desktop-file-validate: $out"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/dk.kvadrix.kvadrix.metainfo.xml" >/dev/null 2>&1 ||
  fail "appstreamcli: $(appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/dk.kvadrix.kvadrix.metainfo.xml" 2>&1)"
grep -q '<launchable type="desktop-id">kvadrix.desktop</launchable>' \
  "$root/usr/share/metainfo/dk.kvadrix.kvadrix.metainfo.xml" || fail "metainfo peger ikke på kvadrix.desktop"
for shot in $(sed -n 's|.*<image>.*/docs/\([^<]*\)</image>.*|\1|p' "$root/usr/share/metainfo/dk.kvadrix.kvadrix.metainfo.xml"); do
  [ -s "docs/$shot" ] || fail "metainfo viser docs/$shot, som ikke findes"
done

# The manual pages render without a warning and name their program.
for page in kvadrix kvadrix-cli kvadrix-plot; do
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$text" ] || fail "man $page: $text"
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^ *$page - " ||
    fail "man $page: navnet mangler"
done
cli_page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/usr/share/man/man1/kvadrix-cli.1.gz" 2>/dev/null)
grep -q "Løsning af ligninger" <<<"$cli_page" || fail "man kvadrix-cli: æøå vises ikke"
# Every subcommand the program offers is in its manual page.
for sub in $("$root/usr/bin/kvadrix-cli" --help 2>&1 | awk '/^  [a-z]+ / {print $1}'); do
  grep -q "^       $sub " <<<"$cli_page" || fail "man kvadrix-cli: kommandoen $sub mangler"
done

# lintian: no error, and no warning but the justified ones in
# packaging/lintian-accepted (one tag a line, each with its reason).
accepted=$(sed -n 's/^\([a-z0-9-]*\) .*/\1/p' packaging/lintian-accepted)
while read -r line; do
  [ -n "$line" ] || continue
  tag=$(awk '{print $3}' <<<"$line")
  case "$line" in
    E:*) fail "lintian: $line" ;;
    W:*) grep -Fxq "$tag" <<<"$accepted" || fail "lintian: $line" ;;
  esac
done < <(lintian --tag-display-limit 0 "$deb" 2>&1)

# Every library the binaries name directly must come from a package in
# Depends, and no -dev package may be among them.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
case "$depends" in *-dev*) fail "Depends naevner en -dev-pakke" ;; esac
for exe in "$root"/usr/bin/*; do
  for lib in $(objdump -p "$exe" | awk '/NEEDED/ {print $2}'); do
    path=$(ldd "$exe" | awk -v l="$lib" '$1 == l {print $3}')
    [ -n "$path" ] || { fail "$(basename "$exe"): $lib findes ikke"; continue; }
    pkg=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -1 | cut -d: -f1) ||
      pkg=$(dpkg -S "$path" 2>/dev/null | head -1 | cut -d: -f1) || true
    [ -n "$pkg" ] || { fail "$lib ($path) tilhoerer ingen pakke"; continue; }
    grep -Fxq "$pkg" <<<"$names" || fail "$(basename "$exe") bruger $lib fra $pkg, som ikke er i Depends"
  done
done

# kvadrix-cli links no toolkit: a call costs milliseconds, not Qt's start-up.
needed=$(objdump -p "$root/usr/bin/kvadrix-cli" | awk '/NEEDED/ {print $2}')
echo "kvadrix-cli bruger: ${needed:-ingen delte biblioteker (statisk linket)}" | tr '\n' ' '; echo
grep -q '^libQt' <<<"$needed" && fail "kvadrix-cli linker Qt: $(grep '^libQt' <<<"$needed" | tr '\n' ' ')"
plotNeeded=$(objdump -p "$root/usr/bin/kvadrix-plot" | awk '/NEEDED/ {print $2}')
grep -q '^libQt6Charts' <<<"$plotNeeded" || fail "kvadrix-plot tegner ikke med Qt Charts"

for c in "${cases[@]}"; do
  IFS='|' read -r -a args <<<"${c% => *}"
  expected=${c#* => }
  got=$("$root/usr/bin/kvadrix-cli" "${args[@]}" 2>&1 | head -1) || true
  if [ "$got" = "$expected" ]; then
    echo "ok: kvadrix-cli ${args[*]}"
  else
    fail "kvadrix-cli ${args[*]}: '$got', ventede '$expected'"
  fi
done
[ -s /tmp/kvadrix-deb-plot.svg ] && grep -q '<svg' /tmp/kvadrix-deb-plot.svg ||
  fail "kvadrix-cli plot skrev ingen SVG (kvadrix-plot fra pakken)"
rm -f /tmp/kvadrix-deb-plot.svg /tmp/kvadrix-deb-batch.txt
# Every subcommand the program offers has a case above.
for sub in $("$root/usr/bin/kvadrix-cli" --help 2>&1 | awk '/^  [a-z]+ / {print $1}'); do
  grep -q "^$sub|" <<<"$(printf '%s\n' "${cases[@]}")" || fail "ingen pakketest af kvadrix-cli $sub"
done
[ "$failed" -eq 0 ] && echo "Pakken $(basename "$deb") er i orden."
exit "$failed"
