#include "TableLookup.h"

#include <string_view>
#include <utility>

#include "Evaluate.h"
#include "Fractions.h"
#include "Coefficients.h"
#include "Host.h"
#include "Integrate.h"
#include "IntegralTable.h"
#include "PrefixForm.h"
#include "Scanner.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

constexpr std::string_view IntegerLetters = "dgjkm";
constexpr std::string_view NumberLetters = "uvwyz";
constexpr int MaxIntegerBinding = 5;
constexpr int MaxNumberBinding = 12;
// Reduction rows integrate their rest afresh; each level lowers the exponent
// by one, so this bounds x^k*exp(x) and its kin to k <= MaxReductionDepth.
constexpr int MaxReductionDepth = 8;
constexpr std::string_view MaxReductionCondition = "9>k";  // k <= MaxReductionDepth + 1
static_assert(MaxReductionDepth == 8);
int reductionDepth = 0;
// Set when a level of a chain of reductions failed: every level of that
// chain then gives up at once instead of trying its other strategies, each
// of which would start the rest of the chain again.
bool reductionExhausted = false;


bool IsNumberLike(const ExpressionText& form) {
    if (form.Empty()) return false;
    if (form.Length() == 1 && (IntegerLetters.find(form.At(1)) != std::string_view::npos ||
                               NumberLetters.find(form.At(1)) != std::string_view::npos))
        return true;
    for (int p = form.At(1) == '-' ? 2 : 1; p <= form.Length(); ++p)
        if (!IsNumberChar(form.At(p))) return false;
    return true;
}

}  // namespace

ExpressionText CanonicalForm(const ExpressionText& form) {
    if (form.Empty()) return form;
    char c = form.At(1);
    if (IsOneOf(c, "+-*/^") && form.At(2) == '(') {
        ExpressionText left, right;
        SplitOperands(From(form, 3), left, right);
        left = CanonicalForm(left);
        right = CanonicalForm(right);
        if (c == '+' && IsNumberLike(right) && !IsNumberLike(left)) std::swap(left, right);
        return ExpressionText(c) + "(" + left + " " + right + ")";
    }
    if (c == '-' || c == '+') return ExpressionText(c) + CanonicalForm(From(form, 2));
    int name = FunctionAt(form, 1);
    int open = name >= 0 ? static_cast<int>(FunctionNames[name].size()) + 1 : 0;
    if (name >= 0 && form.At(open) == '(') {
        int close = MatchingBracket(form, open);
        if (close == form.Length()) return Mid(form, 1, open) + CanonicalForm(Mid(form, open + 1, close - 1)) + ")";
    }
    return form;
}

namespace {

// The prefix form of a text the notation reads to its end, without any
// message; empty for anything else.
ExpressionText SilentPrefixForm(const ExpressionText& f) {
    if (!ReadsWhole(f)) return {};
    SilentScope silent;
    ExpressionText p = ToPrefixForm(MarkNegatedPowers(f));
    return ErrorFlag ? ExpressionText() : CanonicalForm(p);
}

// Value of one side of a condition clause; false when it names an unbound letter.
bool ClauseValue(std::string_view side, const IntegerBindings& integers, const NumberBindings& numbers,
                 double& value) {
    bool negative = !side.empty() && side[0] == '-';
    if (negative) side.remove_prefix(1);
    if (side.empty()) return false;
    ExpressionText number;
    auto i = IntegerLetters.find(side[0]), n = NumberLetters.find(side[0]);
    if (i != std::string_view::npos)
        number = integers[i];
    else if (n != std::string_view::npos)
        number = numbers[n];
    else
        number = side;
    if (number.Empty()) return false;
    bool numberNegative = number.At(1) == '-';
    bool error = false;
    value = NumberValue(numberNegative ? From(number, 2).View() : number.View(), error);
    if (error) return false;
    if (numberNegative != negative) value = -value;
    return true;
}

// The row's antiderivative for the bindings, with the reduction integral done.
ExpressionText ReduceRow(const ExpressionText& t) {
    int k = t.Find(ReductionMarker) + 1;
    ExpressionText prefix = ToFractions(Mid(t, 1, k - 2)) + t.At(k - 1);
    ExpressionText rest = ToFractions(From(t, k + 1));
    ExpressionText n = LeadingNumber(rest, true);
    if (!n.Empty()) {
        rest = From(rest, n.Length() + 1);
        if (rest.At(1) == '*') rest = From(rest, 2);
        if (rest.At(1) == '/') rest = "1" + rest;
    }
    if (reductionDepth == 0) reductionExhausted = false;
    if (reductionExhausted) return {};
    if (reductionDepth >= MaxReductionDepth) {
        reductionExhausted = true;
        return {};
    }
    struct Level {
        Level() { ++reductionDepth; }
        ~Level() { --reductionDepth; }
    } level;
    ExpressionText i = IntegrateExpression(rest);
    if (reductionExhausted || i.Empty()) {
        reductionExhausted = true;
        return {};
    }
    if (!n.Empty()) i = n + "*(" + i + ")";
    i = ToFractions(ToFractions(i));
    return prefix + "(" + i + ")";
}

}  // namespace

bool ReductionAbandoned() { return reductionExhausted && reductionDepth > 0; }

void SplitOperands(const ExpressionText& s, ExpressionText& left, ExpressionText& right) {
    left.Clear();
    right.Clear();
    int depth = 0, p = 1;
    for (; p <= s.Length(); ++p) {
        char c = s.At(p);
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ' ' && depth == 0) break;
    }
    left = Mid(s, 1, p - 1);
    depth = 0;
    int q = p + 1;
    for (; q <= s.Length(); ++q) {
        char c = s.At(q);
        if (c == '(') ++depth;
        if (c == ')' && --depth < 0) break;
    }
    right = Mid(s, p + 1, q - 1);
}

bool MatchPattern(const ExpressionText& e, const ExpressionText& pattern, IntegerBindings& integers,
                  NumberBindings& numbers) {
    for (auto& b : integers) b.Clear();
    for (auto& b : numbers) b.Clear();
    // Function names in patterns hold no parameter letter, so comparing them
    // character by character is the same as comparing them name by name.
    int ep = 1;
    for (int pp = 1; pp <= pattern.Length(); ++pp) {
        char c = pattern.At(pp);
        auto i = IntegerLetters.find(c), n = NumberLetters.find(c);
        if (i == std::string_view::npos && n == std::string_view::npos) {
            if (CharAt(e, ep) != c) return false;
            ++ep;
            continue;
        }
        int start = ep;
        if (CharAt(e, ep) == '-') ++ep;
        if (!IsDigit(CharAt(e, ep))) return false;
        int end = i != std::string_view::npos ? DigitsEnd(e, ep) : ScanNumber(e, ep).end;
        int length = end - start;
        // A number too long for a binding does not match (no cut binding).
        if (length > (i != std::string_view::npos ? MaxIntegerBinding : MaxNumberBinding)) return false;
        (i != std::string_view::npos ? integers[i] : numbers[n]) = Mid(e, start, end - 1);
        ep = end;
    }
    return ep == e.Length() + 1;
}

ExpressionText InsertBinding(const ExpressionText& text, char letter, const ExpressionText& binding) {
    ExpressionText value = RemoveBlanks(binding);
    if (value.At(1) == '-') value = "(" + value + ")";
    ExpressionText result;
    for (int p = 1; p <= text.Length(); ++p) {
        if (text.At(p) == letter)
            result += value;
        else
            result += text.At(p);
    }
    return result;
}

ExpressionText InstantiateTemplate(const ExpressionText& tmpl, const IntegerBindings& integers,
                                   const NumberBindings& numbers) {
    ExpressionText t = tmpl;
    for (int i = 0; i < 5; ++i)
        if (!integers[i].Empty()) t = InsertBinding(t, IntegerLetters[i], integers[i]);
    for (int i = 0; i < 5; ++i)
        if (!numbers[i].Empty()) t = InsertBinding(t, NumberLetters[i], numbers[i]);
    return t;
}

bool ConditionHolds(std::string_view condition, const IntegerBindings& integers, const NumberBindings& numbers) {
    while (!condition.empty()) {
        auto end = condition.find(';');
        std::string_view clause = condition.substr(0, end);
        condition = end == std::string_view::npos ? std::string_view() : condition.substr(end + 1);
        auto op = clause.find_first_of("!>");
        if (op == std::string_view::npos) return false;
        bool unequal = clause[op] == '!';
        double a = 0, b = 0;
        if (!ClauseValue(clause.substr(0, op), integers, numbers, a) ||
            !ClauseValue(clause.substr(op + (unequal ? 2 : 1)), integers, numbers, b))
            return false;
        if (unequal ? a == b : !(a > b)) return false;
    }
    return true;
}

ExpressionText NegateWhole(const ExpressionText& f) {
    if (f.Empty()) return f;
    if (!IsSingleTerm(f)) return "-(" + f + ")";
    return MinusTerm(f);
}

ExpressionText JoinTerms(const ExpressionText& left, char op, const ExpressionText& right) {
    // A leading "-" that does not negate the whole first term (-2^x is
    // (-2)^x) must not meet the operator: bracket it.
    ExpressionText r = right;
    if (r.At(1) == '-' && !MinusNegatesTerm(r, 1, true)) r = "(" + r + ")";
    if (op == '+') return r.At(1) == '-' ? left + r : left + "+" + r;
    if (!IsSingleTerm(r)) return left + "-(" + r + ")";
    if (r.At(1) == '-') return left + "+" + From(r, 2);
    return left + "-" + r;
}

ExpressionText LookupIntegral(const ExpressionText& p) {
    if (p.Empty()) return {};
    if ((p.At(1) == '+' || p.At(1) == '-') && p.At(2) == '(') {
        ExpressionText left, right;
        SplitOperands(From(p, 3), left, right);
        ExpressionText l = LookupIntegral(left);
        if (l.Empty()) return {};
        ExpressionText r = LookupIntegral(right);
        if (r.Empty()) return {};
        return JoinTerms(l, p.At(1), r);
    }
    // A unary sign before a factor's form ("-sin(x)", "+2" from "--2").
    if (p.At(1) == '-') return NegateWhole(LookupIntegral(From(p, 2)));
    if (p.At(1) == '+') return LookupIntegral(From(p, 2));
    auto rows = IntegralTable();
    auto forms = IntegralPatternForms();
    IntegerBindings integers;
    NumberBindings numbers;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (forms[row].Empty() || !MatchPattern(p, forms[row], integers, numbers)) continue;
        if (!ConditionHolds(rows[row].condition, integers, numbers)) continue;
        // A reduction row lowers its exponent k by one per level: beyond the
        // depth limit it cannot finish, so it does not match.
        bool reduction = rows[row].antiderivative.find(ReductionMarker) != std::string_view::npos;
        if (reduction && !ConditionHolds(MaxReductionCondition, integers, numbers)) continue;
        ExpressionText t = InstantiateTemplate(rows[row].antiderivative, integers, numbers);
        return reduction ? ReduceRow(t) : t;
    }
    return {};
}

ExpressionText IntegrateByTable(const ExpressionText& f) {
    if (f.Empty()) return {};
    // A leading minus is taken off only where it negates the whole integrand
    // (-cos(x)^2 is (-cos(x))^2); the whole antiderivative is then negated.
    if (f.At(1) == '-' && IsSingleTerm(f) && MinusNegatesTerm(f, 1, true)) {
        ExpressionText p = SilentPrefixForm(From(f, 2));
        return p.Empty() ? p : NegateWhole(LookupIntegral(p));
    }
    ExpressionText p = SilentPrefixForm(f.At(1) == '+' ? From(f, 2) : f);
    return p.Empty() ? p : LookupIntegral(p);
}

ExpressionText LookupInverse(const ExpressionText& t) {
    if (t.Empty()) return {};
    auto rows = InverseTable();
    auto forms = InversePatternForms();
    IntegerBindings integers;
    NumberBindings numbers;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (!MatchPattern(t, forms[row], integers, numbers)) continue;
        if (!ConditionHolds(rows[row].condition, integers, numbers)) continue;
        ExpressionText x = InstantiateTemplate(rows[row].antiderivative, integers, numbers);
        x = ReplaceAll(x, "y", "x");
        x = ToFractions(x);
        return ReplaceAll(x, "x", "y");
    }
    return {};
}

ExpressionText InvertInnerFunction(const ExpressionText& t) { return LookupInverse(SilentPrefixForm(t)); }
