#!/usr/bin/env bash
# Instructions per handler call of the Differentiation and FaktorReduktion tabs,
# counted by callgrind (exact and repeatable where wall-clock times on a shared
# machine vary by a third): the count of 11 calls less the count of 1, over 10.
# Usage: bench/tab_instructions.sh BENCH_TABS [differentiation|reduction TEXT]...
# Without rows it counts the rows of bench_tabs itself.
set -euo pipefail
bench=$1
shift
count() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$bench" --repeat "$1" "$2" "$3" 2>&1 >/dev/null |
        awk '/Collected/ {print $4}'
}
rows=("$@")
if [ ${#rows[@]} -eq 0 ]; then
    rows=(differentiation 'x^3*sin(x)' differentiation 'ln(x^2+1)' differentiation 'exp(-x^2/2)'
          differentiation '(x^2-1)/(x+1)' differentiation 'sqrt(1-x^2)'
          reduction '2.5*x^7-0.75*x^6+3*x^5-1.125*x^4+0.5*x^3*x-4*x^2+x*x*0.25+7.5*x-3.25+1.5*x^2*x^3-0.625*x+2*x^4-x+5*x'
          reduction 'x^2*sin(x)+2.5*cos(2*x)-ln(x^2+1)/(x+1)+exp(-0.5*x^2)*3+sqrt(x)*x^3-0.25*atan(x)+x/(1+x)-1.75*x+25*x'
          reduction '(x^2-1)/(x+1)' reduction '2*x+3*x-x' reduction 'x^3*x^2/x')
fi
for ((i = 0; i < ${#rows[@]}; i += 2)); do
    one=$(count "${rows[i]}" "${rows[i+1]}" 1)
    eleven=$(count "${rows[i]}" "${rows[i+1]}" 11)
    printf '%-16s %9d  %s\n' "${rows[i]}" $(( (eleven - one) / 10 )) "${rows[i+1]}"
done
