// Timings of the rule sweeps on a 100-character text, of roots of school
// polynomials (degree 3 to 10 and x^4-720720), of division of degree-10
// polynomials, and of the slowest inputs of up to 255 characters found.
#include <benchmark/benchmark.h>

#include <string>

#include "Host.h"
#include "Polynomial.h"
#include "Roots.h"
#include "Rules.h"

namespace {

constexpr const char* Rules100 =
    "(x^2)^3*(x+1)+sqrt(1-cos(x)^2)*x^2*x^3+2*(x-1)*(x+2)+ln(x^2)+exp(x)^2+cos(x)^2+sin(x)^2-(x-2/3)^2+13";
static_assert(std::char_traits<char>::length(Rules100) == 100);

const char* const Polynomials[] = {
    "x^3-6x^2+11x-6",                          // 3
    "x^4-10x^2+9",                             // 4
    "2x^5-3x^4-10x^3+15x^2+8x-12",             // 5
    "x^6-14x^4+49x^2-36",                      // 6
    "x^7-2x^6-5x^5+10x^4+4x^3-8x^2+x-2",       // 7, two irrational pairs
    "x^8-1",                                   // 8
    "x^9-x^7-2x^5+3x^3-x+5",                   // 9, numeric roots only
    "x^10-55x^8+1023x^6-7645x^4+21076x^2-14400",  // 10, roots 1..5 and their negatives
};

struct Quiet : Host {
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view, bool) override { return false; }
} quiet;

void Sweeps(benchmark::State& state) {
    SetHost(&quiet);
    for (auto _ : state) {
        ExpressionText a, f;
        ApplyAlgebraRules(Rules100, a);
        ApplyFunctionRules(Rules100, f);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(Sweeps)->Unit(benchmark::kMicrosecond);

void Roots(benchmark::State& state, const char* text) {
    SetHost(&quiet);
    for (auto _ : state) {
        ExpressionText p = text, f;
        int n = 0;
        TPolyRoots r;
        PolynomialRoots(p, n, r, f);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK_CAPTURE(Roots, degree3, Polynomials[0])->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Roots, degree4, Polynomials[1])->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Roots, degree5, Polynomials[2])->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Roots, degree6, Polynomials[3])->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Roots, degree7, Polynomials[4])->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Roots, degree8, Polynomials[5])->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Roots, degree9, Polynomials[6])->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Roots, degree10, Polynomials[7])->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Roots, x4_minus_720720, "x^4-720720")->Unit(benchmark::kMicrosecond);
// Both extreme coefficients with 240 divisors: 57600 candidate pairs.
BENCHMARK_CAPTURE(Roots, many_divisors, "720720x^4-720720")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Roots, many_divisors_degree10, "720720x^10+x-720720")->Unit(benchmark::kMicrosecond);
// 1600 divisors on both sides: 2.56 million pairs.
BENCHMARK_CAPTURE(Roots, most_divisors, "2095133040x^6-7x^3-2095133040")->Unit(benchmark::kMicrosecond);

void Division(benchmark::State& state) {
    SetHost(&quiet);
    for (auto _ : state) {
        ExpressionText q, r;
        DividePolynomials("3x^10-7x^9+2x^8-x^7+5x^6-4x^5+x^4-9x^3+2x^2-x+11",
                          "2x^10+x^9-3x^8+x^6-x^5+7x^4-2x^3+x^2+4x-1", q, r);
        DividePolynomials("3x^10-7x^9+2x^8-x^7+5x^6-4x^5+x^4-9x^3+2x^2-x+11", "x^3-2x+1", q, r);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(Division)->Unit(benchmark::kMicrosecond);

// The longest texts the tab takes: a 255-character sum for the sweeps, a
// degree-10 polynomial with 17-digit coefficients for the roots.
void Worst255(benchmark::State& state) {
    SetHost(&quiet);
    std::string sweep;
    while (sweep.size() + 20 <= 255) sweep += "(x+1)*(x-2)*(x+3)*x+";
    sweep += "x";
    std::string roots = "99999999999999999x^10-99999999999999999x^9+99999999999999998x-99999999999999989";
    for (auto _ : state) {
        ExpressionText a, f, p = roots, fac;
        ApplyAlgebraRules(sweep, a);
        ApplyFunctionRules(sweep, f);
        int n = 0;
        TPolyRoots r;
        try {
            PolynomialRoots(p, n, r, fac);
        } catch (const ArithmeticFault&) {
        }
        benchmark::DoNotOptimize(fac);
    }
}
BENCHMARK(Worst255)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
