// The expression tree on any text up to 255 bytes: reading, printing, the
// canonical form, expansion and the teacher form end without a crash or a
// hang, and every printed text reads whole and keeps the value where both
// have one (texts whose value moves with rounding, powers 0, powers beyond
// the doubles' range, chains of powers that amplify rounding and sin, cos or
// tan of huge arguments left out).
#include <cmath>
#include <cstdio>
#include <optional>

#include "../tests/common/ExpressionCorpus.h"
#include "Canonical.h"
#include "FuzzHost.h"
#include "Scanner.h"

namespace {

// u^0 is 1 in the canonical form where the evaluator reads 0^0 as 0 (also
// when u underflows to 0): such texts are not compared.
bool HasZeroExponent(const Tree& t) {
    if (t->kind == NodeKind::Power && IsNumber(Canonical(t->args[1]), 0)) return true;
    for (const Tree& a : t->args)
        if (HasZeroExponent(a)) return true;
    return false;
}

// A power beyond the doubles' range at a sample point ((e^-323)^22363,
// (e^x)^-440 at x = 2, 1.25^-22027.55 before it is multiplied by
// 1.25^22025): the evaluator's reading underflows or overflows there, while
// the canonical form joins such powers exactly, so the typed text's reading
// is no reference. The tabs' value checks refuse such results.
bool LeavesDoubles(const Tree& t) {
    if (t->kind == NodeKind::Power) {
        ExpressionText base, exponent;
        if (PrintTree(t->args[0], base) && PrintTree(t->args[1], exponent))
            for (double x : corpus::SamplePoints) {
                auto b = corpus::ValueAt(base, x), e = corpus::ValueAt(exponent, x);
                if (b && e && *b != 0 && std::fabs(*e * std::log(std::fabs(*b))) > 700) return true;
            }
    }
    for (const Tree& a : t->args)
        if (LeavesDoubles(a)) return true;
    return false;
}

// sin, cos or tan of an argument beyond 1e6 at a sample point: the last
// digits of the argument decide the value (tan(4112-67-587^6), where 587^6
// is rounded in doubles and exact in the canonical form).
bool PeriodicOfHuge(const Tree& t) {
    if (IsCall(t, fnSin) || IsCall(t, fnCos) || IsCall(t, fnTan)) {
        ExpressionText argument;
        if (PrintTree(t->args[0], argument))
            for (double x : corpus::SamplePoints)
                if (auto a = corpus::ValueAt(argument, x); a && std::fabs(*a) > 1e6) return true;
    }
    for (const Tree& a : t->args)
        if (PeriodicOfHuge(a)) return true;
    return false;
}

// Rounding amplified by a chain of powers: an error in the base of b^e grows
// |e|-fold (relatively), one in the exponent |e*ln(b)|-fold, and the factors
// multiply down a chain ((6.7e41^2e-20)^3^-2.7e11, where the base rounds to 1;
// e^2e-12^22^31^-21^121251^...). Beyond 1e8 the doubles' last digits decide
// the typed text's reading, while the canonical form joins the exponents
// exactly, so that reading is no reference. factor: the growth above t.
bool AmplifiesAt(const Tree& t, double x, double factor) {
    if (factor > 1e8) return true;
    if (t->kind == NodeKind::Power) {
        ExpressionText base, exponent;
        if (!PrintTree(t->args[0], base) || !PrintTree(t->args[1], exponent)) return false;
        auto b = corpus::ValueAt(base, x), e = corpus::ValueAt(exponent, x);
        if (!b || !e) return false;
        return AmplifiesAt(t->args[0], x, factor * std::fabs(*e)) ||
               (*b != 0 && AmplifiesAt(t->args[1], x, factor * std::fabs(*e * std::log(std::fabs(*b)))));
    }
    for (const Tree& a : t->args)
        if (AmplifiesAt(a, x, factor)) return true;
    return false;
}

bool AmplifiesRounding(const Tree& t) {
    for (double x : corpus::SamplePoints)
        if (AmplifiesAt(t, x, 1)) return true;
    return false;
}

// t with every number made positive: at |x| its value bounds the terms an
// expanded polynomial cancels, so that rounding is measured against it.
Tree Magnitudes(const Tree& t) {
    if (IsNumber(t)) return Num(t->number.Negative() ? -t->number : t->number);
    return MapChildren(t, Magnitudes);
}

// The sum of the sizes of the typed text's terms at x: the text may cancel
// huge terms (8^23*x-8^23*x) that the canonical form drops exactly, and its
// rounding is measured against them.
// Relative: a chain of powers amplifies the evaluator's rounding of each step
// (0.2^3e-12 raised 2^26-fold), while a real change of value is of order 1.
constexpr double Tolerance = 1e-6;

double TermSizes(const Tree& original, double x) {
    double size = 0;
    const TreeList whole{original};
    for (const Tree& term : original->kind == NodeKind::Sum ? original->args : whole) {
        ExpressionText text;
        if (!PrintTree(term, text)) continue;
        if (auto v = corpus::ValueAt(text, x)) size += std::fabs(*v);
    }
    return size;
}

void Check(const ExpressionText& before, const Tree& original, const Tree& t) {
    ExpressionText after, magnitudes;
    if (!t || !PrintTree(t, after)) return;
    bool broken = !ReadsWhole(after);
    const bool scaled = PrintTree(Magnitudes(t), magnitudes);
    // A point where either text's value jumps under a change of x in its last
    // digits (tan of 1e19, raised to -50) says nothing about the rewriting.
    auto stable = [](const ExpressionText& text, double x, const std::optional<double>& v) {
        auto w = corpus::ValueAt(text, x * (1 + 1e-13));
        return !v || !w || std::fabs(*v - *w) <= 1e-10 * std::max(1.0, std::fabs(*v));
    };
    for (double x : corpus::SamplePoints) {
        if (broken) break;
        auto a = corpus::ValueAt(before, x), b = corpus::ValueAt(after, x);
        if (!stable(before, x, a) || !stable(after, x, b)) continue;
        auto m = scaled ? corpus::ValueAt(magnitudes, std::fabs(x)) : std::nullopt;
        const double scale = std::max({1.0, std::fabs(m.value_or(0)), TermSizes(original, x)});
        broken = a && b && std::fabs(*a - *b) > Tolerance * std::max({scale, std::fabs(*a), std::fabs(*b)});
    }
    if (broken) {
        std::fprintf(stderr, "%s -> %s\n", before.Str().c_str(), after.Str().c_str());
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExpressionText text(FuzzText(data, size));
    ErrorFlag = false;
    Tree t = ParseTree(text);
    TeacherForm(text);
    if (!t) return 0;
    std::vector<TreeNumber> c;
    PolynomialCoefficients(t, 'x', c);
    if (!corpus::WellConditioned(text) || HasZeroExponent(t) || LeavesDoubles(t) || AmplifiesRounding(t) ||
        PeriodicOfHuge(t))
        return 0;
    Check(text, t, t);
    Check(text, t, Canonical(t));
    Check(text, t, Expand(t));
    ErrorFlag = false;
    return 0;
}
