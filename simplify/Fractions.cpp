#include "Fractions.h"

#include <string>

#include "Coefficients.h"
#include "Evaluate.h"
#include "Host.h"
#include "Rational.h"
#include "Reduce.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

constexpr char Paragraph = '\xA7';
// A 255-character text with balanced brackets nests at most 127 deep; deeper
// nesting is necessarily a missing ")" and would only cost stack.
constexpr int MaxNesting = 128;
constexpr int MaxRounds = 4 * ExpressionText::MaxLength;

const char* const MissingBracketMessage = "Mangler \")\" i funktionsudtryk: ";
const char* const ExpressionErrorMessage = "Fejl i funktionsudtryk: \n\r";

// The character at p can end an operand, so that a sign after it is binary.
bool EndsOperand(const ExpressionText& s, int p) {
    char c = s.At(p);
    return (IsNumberChar(c) || IsLowerLetter(c) || c == ')') && !IsExponentMark(s, p);
}
// What may follow a complete term of a sum.
bool EndsSumTerm(char c) { return c == '\0' || c == '+' || c == '-' || c == ')'; }
// What may follow a complete factor of a product.
bool EndsFactor(char c) { return EndsSumTerm(c) || c == '*' || c == '/'; }
bool EndsPowerBase(char c) { return EndsFactor(c) || c == '^'; }

// The 1-based position of the first occurrence of pattern at or after from
// for which accept(position) holds, or 0.
template <class Accept>
int FindWhere(const ExpressionText& s, std::string_view pattern, Accept accept) {
    for (int p = Position(s, pattern); p > 0; p = Position(s, pattern, p + 1))
        if (accept(p)) return p;
    return 0;
}

// Runs rule until it no longer applies (each application shortens the text
// or removes an occurrence, so the bound is never reached in practice).
template <class Rule>
void Repeat(ExpressionText& s, Rule rule) {
    for (int round = 0; round < MaxRounds && rule(s); ++round) {
    }
}

// The sign at p, unary after removing the text before it, still negates the
// whole term after it: "-" + rest reads as -(rest).
bool UnaryMinusKeepsValue(const ExpressionText& s, int p) {
    bool start = p == 1 || s.At(p - 1) == '(';
    return MinusNegatesTerm(s, p, start);
}

// "1*" (or "(1)*", width 4) at p may go: the factor 1 starts a product whose
// meaning does not change when it goes. Not after "/" (a/1*b is a*b, not a/b)
// nor after "^" or a function name.
bool UnitFactorMayGo(const ExpressionText& s, int p, int width) {
    char before = s.At(p - 1);
    if ((before == '+' || before == '-') && IsExponentMark(s, p - 2)) return false;  // 2e+1*7
    ExpressionText after = s;
    EraseAt(after, p, width);
    if (p == 1 || before == '(')  // 1*-x^2 is (-x)^2, -x^2 alone is -(x^2)
        return !(after.At(p) == '-' && after.At(p + 1) == 'x' && after.At(p + 2) == '^');
    if (before == '+' || before == '*') return true;
    if (before != '-') return false;
    if (EndsOperand(s, p - 2)) return true;  // a binary minus
    char sign = s.At(p - 2);
    if (sign == '/' || sign == '^') return false;
    return UnaryMinusKeepsValue(after, p - 1);
}

// The unit power factor 1^n at p (n an integer, possibly negative); 0 when absent,
// otherwise the position after n.
int UnitPowerEnd(const ExpressionText& s, int p) {
    char before = s.At(p - 1);
    if ((before == '+' || before == '-') && IsExponentMark(s, p - 2)) return 0;  // 2e+1^2
    bool binaryMinus = before == '-' && EndsOperand(s, p - 2);
    // -1^2 is (-1)^2 and x^-1^2 is (x^-1)^2: only a 1 that stands as a factor.
    if (!(p == 1 || before == '(' || before == '+' || before == '*' || before == '/' || binaryMinus))
        return 0;
    int e = p + 2;
    if (s.At(e) == '-') ++e;
    if (!IsDigit(s.At(e))) return 0;
    e = DigitsEnd(s, e);
    return EndsFactor(s.At(e)) ? e : 0;
}

// A "+(" whose bracket is a whole term of the sum. The bracket goes;
// a minus at its start merges with the "+" ("a+(-b)" gives "a-b"). Only when
// the bracket is followed by "+", "-", ")" or the end: a+(b+c)*d keeps it.
bool DropBracketAfterPlus(ExpressionText& s) {
    int m = 0;
    int p = FindWhere(s, "+(", [&](int q) {
        if (!EndsOperand(s, q - 1)) return false;
        m = MatchingBracket(s, q + 1);
        if (m == 0 || m == q + 2 || !EndsSumTerm(s.At(m + 1))) return false;
        ExpressionText inside = Mid(s, q + 2, m - 1);
        return inside.At(1) != '-' || MinusNegatesTerm(inside, 1, true);
    });
    if (p == 0) return false;
    EraseAt(s, m);
    if (s.At(p + 2) == '-')
        EraseAt(s, p, 2);
    else
        EraseAt(s, p + 1);
    // The "+" of the first "+-", when the minus negates the whole term after it
    // (a+-x^2 is a+(-x)^2, which a-x^2 is not).
    int q = Position(s, "+-");
    if (q > 0 && EndsOperand(s, q - 1) && MinusNegatesTerm(s, q + 1, false)) EraseAt(s, q);
    return true;
}

// "*-" gets a bracket around the signed operand, "2*-x^2" gives
// "2*(-x)^2": bracketing to the end of the text would swallow later terms.
bool BracketAfterTimesMinus(ExpressionText& s) {
    if (s.Length() + 2 > ExpressionText::MaxLength) return false;
    int e = 0;
    int p = FindWhere(s, "*-", [&](int q) { return (e = OperandEnd(s, q + 2)) > 0; });
    if (p == 0) return false;
    InsertAt(s, e, ")");
    InsertAt(s, p + 1, "(");
    return true;
}

// The rules for a term 0.
template <class Delete>
void TidyZeros(ExpressionText& s, Delete deleteAt) {
    // x+0 -> x (not x+0*5, and not the exponent of 1e+0)
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "+0", [&](int q) {
            return EndsOperand(s, q - 1) && EndsSumTerm(s.At(q + 2));
        });
        if (p) deleteAt(p, 2);
        return p != 0;
    });
    // 0+x -> x (not x*0+1 or x-0+1; 0+-x^2 is not -x^2)
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "0+", [&](int q) {
            char before = s.At(q - 1);
            if (before == '+') return !IsExponentMark(s, q - 2) && s.At(q + 2) != '\0';
            return (q == 1 || before == '(') && s.At(q + 2) != '-' && s.At(q + 2) != '\0';
        });
        if (p) deleteAt(p, 2);
        return p != 0;
    });
    // x-0 -> x
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "-0", [&](int q) {
            return EndsOperand(s, q - 1) && EndsSumTerm(s.At(q + 2));
        });
        if (p) deleteAt(p, 2);
        return p != 0;
    });
    // 0-x -> -x (not x*0-1, x-0-1, 0-2^2)
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "0-", [&](int q) {
            char before = s.At(q - 1);
            if (before == '+') return !IsExponentMark(s, q - 2) && MinusNegatesTerm(s, q + 1, false);
            return (q == 1 || before == '(') && MinusNegatesTerm(s, q + 1, true);
        });
        if (p) deleteAt(p, 1);
        return p != 0;
    });
}

// The rules for a factor, power or base 1.
template <class Delete>
void TidyOnes(ExpressionText& s, Delete deleteAt) {
    // x/1 -> x, x*1 -> x (not x*1^2)
    for (const char* pattern : {"/1", "*1"}) {
        Repeat(s, [&](ExpressionText&) {
            int p = FindWhere(s, pattern, [&](int q) { return EndsFactor(s.At(q + 2)); });
            if (p) deleteAt(p, 2);
            return p != 0;
        });
    }
    // -1*x -> -x (not a/-1*x, nor -1*2^2)
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "-1*", [&](int q) {
            char before = s.At(q - 1);
            if (before == '^' || before == '/' || IsExponentMark(s, q - 1)) return false;
            if (EndsOperand(s, q - 1)) return true;
            ExpressionText after = s;
            EraseAt(after, q + 1, 2);
            return UnaryMinusKeepsValue(after, q);
        });
        if (p) deleteAt(p + 1, 2);
        return p != 0;
    });
    // 1*x -> x
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "1*", [&](int q) {
            char before = s.At(q - 1);
            return !IsNumberChar(before) && before != '^' && UnitFactorMayGo(s, q, 2);
        });
        if (p) deleteAt(p, 2);
        return p != 0;
    });
    // x*(1) -> x
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "*(1)", [&](int q) { return EndsFactor(s.At(q + 4)); });
        if (p) deleteAt(p, 4);
        return p != 0;
    });
    // 1*1 -> 1 (not 11*13 -> 113)
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "1*1", [&](int q) {
            char before = s.At(q - 1), after = s.At(q + 3);
            return !IsNumberChar(before) && before != '^' && !IsNumberChar(after) && after != '^';
        });
        if (p) deleteAt(p + 1, 2);
        return p != 0;
    });
    // sqrt(1) -> 1
    s = ReplaceAll(s, "sqrt(1)", "1");
    // (1)*x -> x
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "(1)*", [&](int q) {
            char before = s.At(q - 1);
            return before != '^' && !IsLowerLetter(before) && UnitFactorMayGo(s, q, 4);
        });
        if (p) deleteAt(p, 4);
        return p != 0;
    });
    // x^1 -> x, x^(1) -> x
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "^1", [&](int q) { return EndsPowerBase(s.At(q + 2)); });
        if (p) deleteAt(p, 2);
        return p != 0;
    });
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "^(1)", [&](int q) { return EndsPowerBase(s.At(q + 4)); });
        if (p) deleteAt(p, 4);
        return p != 0;
    });
    // 1^n*x -> x, 1^n/x -> 1/x, and 1^n -> 1 where it ends a term
    // (x+1^2 is x+1, not "x+").
    Repeat(s, [&](ExpressionText&) {
        int e = 0;
        int p = FindWhere(s, "1^", [&](int q) {
            return !IsNumberChar(s.At(q - 1)) && (e = UnitPowerEnd(s, q)) > 0;
        });
        if (p == 0) return false;
        deleteAt(p + 1, e - p - 1);
        if (s.At(p + 1) == '*' && UnitFactorMayGo(s, p, 2)) deleteAt(p, 2);
        return true;
    });
}

template <class Delete>
void TidyBrackets(ExpressionText& s, Delete deleteAt) {
    // ((a)+b) -> (a+b), first "((" only
    Repeat(s, [&](ExpressionText&) {
        int p = Position(s, "((");
        if (p == 0) return false;
        int m = MatchingBracket(s, p + 1);
        char after = s.At(m + 1);
        if (m == 0 || !(after == ')' || after == '+' || after == '-')) return false;
        deleteAt(m, 1);
        deleteAt(p, 1);
        return true;
    });
    // (x) -> x, not a function argument, and not -(x)^2 at the start of
    // an expression (that is (-x)^2; -x^2 there is -(x^2)).
    Repeat(s, [&](ExpressionText&) {
        int p = FindWhere(s, "(x)", [&](int q) {
            char before = s.At(q - 1);
            if (before && std::string_view("fhinpst").find(before) != std::string_view::npos) return false;
            bool startMinus = before == '-' && (q == 2 || s.At(q - 2) == '(');
            return !(startMinus && s.At(q + 3) == '^');
        });
        if (p == 0) return false;
        deleteAt(p + 2, 1);
        deleteAt(p, 1);
        return true;
    });
    // 18 and 19 run together: one of each per round while 19 applies.
    for (int round = 0; round < MaxRounds; ++round) {
        DropBracketAfterPlus(s);
        if (!BracketAfterTimesMinus(s)) break;
    }
}

}  // namespace

ExpressionText TidyExpression(const ExpressionText& input) {
    ExpressionText s = LowerCaseText(RemoveBlanks(input));
    // Each rule below is the textual rule with the condition under which it
    // keeps the value of the expression in the evaluator's reading.
    auto deleteAt = [&](int p, int count) { EraseAt(s, p, count); };
    // Each of these rules needs a 0 or a 1 in the text, and deleting never
    // brings one in (nor takes a 1 away).
    if (s.Find('0') >= 0) TidyZeros(s, deleteAt);
    if (s.Find('1') >= 0) TidyOnes(s, deleteAt);
    TidyBrackets(s, deleteAt);
    return s;
}

bool IsFractionText(const ExpressionText& text) {
    // Requires digits on both sides of the "/": a whole number is no fraction
    // text (x^100 needs no bracket).
    if (text.Length() < 3) return false;
    int p = text.At(1) == '-' ? 2 : 1;
    int start = p;
    p = DigitsEnd(text, p);
    if (p == start || text.At(p) != '/') return false;
    start = ++p;
    p = DigitsEnd(text, p);
    return p > start && p == text.Length() + 1;
}

namespace {

// The reading position over the working text; character 13 marks the end
// and "§" is passed over.
struct Cursor {
    explicit Cursor(const ExpressionText& t) : text(t), length(t.Length()) {}
    ExpressionText text;
    int length;
    int position = 0;
    char current = EndOfText;
    int nesting = 0;

    void NextFractionChar() {
        for (int guard = 0; guard <= ExpressionText::MaxLength + 1; ++guard) {
            if (position <= length) ++position;
            if (position > length) {
                current = EndOfText;
                return;
            }
            current = text.At(position);
            if (current != Paragraph) return;
        }
    }
    bool AtPi() const { return text.At(position) == 'p' && text.At(position + 1) == 'i'; }
    int FunctionAt() const { return ::FunctionAt(text, position); }
    void Skip(int count) {
        for (int i = 0; i < count; ++i) NextFractionChar();
    }
};

// The exact value of a number text (digits, one point, an optional
// exponent) as a reduced fraction text; false when it does not fit 32 bits.
// Whole numbers without exponent stay as written.
bool ExactNumberText(const ExpressionText& number, ExpressionText& exact) {
    const NumberToken token = ScanNumber(number, 1);
    if (!token.exponent && token.separators == 0) {
        exact = number;
        return true;
    }
    int mark = Position(number, "e");  // 0 without exponent
    ExpressionText mantissa = mark ? Mid(number, 1, mark - 1) : number;
    int exponent = 0;
    if (mark) {
        bool error = false;
        double e = TextToNumber(From(number, mark + 1).View(), error);
        if (error || e > 40 || e < -40) return false;
        exponent = static_cast<int>(e);
    }
    std::string digits, decimals;
    int point = Position(mantissa, ".");
    digits = (point ? Mid(mantissa, 1, point - 1) : mantissa).Str();
    if (point) decimals = From(mantissa, point + 1).Str();
    // Trailing zeros change nothing but the size of the fraction (2.50 is 25/10).
    while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
    std::string numerator = digits + decimals;
    int scale = static_cast<int>(decimals.size()) - exponent;  // value = numerator / 10^scale
    if (scale < 0) {
        numerator.append(static_cast<std::size_t>(-scale), '0');
        scale = 0;
    }
    while (numerator.size() > 1 && numerator.front() == '0') numerator.erase(0, 1);
    if (numerator.size() > 10 || scale > 9) return false;
    return EvaluateRationalFits(ExpressionText(numerator + "/1" + std::string(scale, '0')), exact);
}

// A zero literal after a "/" of t, or t itself worth 0 when it is a divisor.
bool DividesByZero(const ExpressionText& t, bool divisor) {
    for (int i = 0; i <= t.Length(); ++i) {
        if (i > 0 && t[i - 1] != '/') continue;
        if (i == 0 && !divisor) continue;
        int p = i;
        while (t[p] == '(' || t[p] == '-') ++p;
        int start = p;
        while (t[p] == '0') ++p;
        if (p > start && !IsDigit(t[p]) && t[p] != '.') return true;
    }
    return false;
}

}  // namespace

// The constant folders clear ErrorFlag on entry: an error reported before
// must stay reported.
ExpressionText FoldConstants(const ExpressionText& a, const ExpressionText& b, char op) {
    if (DividesByZero(a, false) || DividesByZero(b, op == '/')) return {};
    bool wasSet = ErrorFlag;
    ExpressionText r;
    if (op == '+' || op == '-')
        AddConstants(a, b, op, r);
    else
        MultiplyConstants(a, b, op, r);
    if (wasSet) ErrorFlag = true;
    return r;
}

namespace {

// A number text the exact folders take as it is: n or n/d, with a leading
// minus, or in one bracket ("(-n/d)" only for a product). Other number texts
// are misread there: the exact evaluator reads 2/02/(1/5) as 2/(02/(1/5))
// and cannot read 2662/-3 at all.
bool CanFold(const ExpressionText& t, bool product) {
    ExpressionText n = IsFullBracket(t) ? Mid(t, 2, t.Length() - 1) : t;
    if (n.At(1) == '-') {
        if (n.Length() != t.Length() && !product) return false;
        n = From(n, 2);
    }
    int p = 1;
    p = DigitsEnd(n, p);
    if (p == 1) return false;
    if (n.At(p) == '/') {
        int start = ++p;
        p = DigitsEnd(n, p);
        if (p == start) return false;
    }
    return p == n.Length() + 1;
}

ExpressionText Gather(const ExpressionText& term) { return ErrorFlag ? term : GatherCoefficient(term); }

// A sum A op B of two terms read as whole expressions.
ExpressionText AddTerms(const ExpressionText& a, const ExpressionText& b, char op) {
    if (!ErrorFlag && CanFold(a, false) && CanFold(b, false)) {
        ExpressionText r = FoldConstants(a, b, op);
        if (!r.Empty()) return r;
    }
    if (b.At(1) != '-') return a + op + b;
    // b = -c: a+b is a-c and a-b is a+c, unless the minus of b belongs to a
    // power's base (-2^2 is 4); then b keeps its sign as an operand.
    if (MinusNegatesTerm(b, 1, true)) return op == '+' ? a + b : a + "+" + From(b, 2);
    return op == '+' ? a + "+" + b : a + "-(" + b + ")";
}

// The value of a leading number of a factor, ready for folding; empty when
// it is no exact number (a power beyond 32 bits, a decimal).
ExpressionText FoldableNumber(const ExpressionText& n) {
    if (n.Empty() || n.Contains('.') || n.Contains(',')) return {};
    ExpressionText v = n.Contains('^') ? EvaluatePowerConstant(n) : n;
    return v.Contains('^') ? ExpressionText() : v;
}

// A op F inside a term.
ExpressionText MultiplyTerms(const ExpressionText& a, const ExpressionText& f, char op) {
    if (!CanFold(a, true) || ErrorFlag) {
        if (op == '*' || IsAtomic(f)) return a + op + f;
        return a + "/(" + f + ")";
    }
    if (CanFold(f, true)) {
        ExpressionText r = FoldConstants(a, f, op);
        if (!r.Empty()) return r;
        return a + op + (op == '/' && !IsAtomic(f) ? "(" + f + ")" : f);
    }
    ExpressionText g = f;
    if (IsFullBracket(f)) {
        ExpressionText inside = Mid(f, 2, f.Length() - 1);
        // After "*" the content may stand bare when it is one term whose
        // leading minus (if any) still negates it there: 2*(-x^2) is not 2*-x^2.
        if (op == '*' && IsSingleTerm(inside) && (inside.At(1) != '-' || MinusNegatesTerm(inside, 1, false)))
            g = inside;
        if (op == '/' && inside.At(1) != '-' && IsAtomic(inside)) g = inside;
    }
    ExpressionText n = LeadingNumber(g, true);
    ExpressionText v = FoldableNumber(n);
    ExpressionText rest = From(g, n.Length() + 1);
    // a/(n*y) is no (a/n)*y: after "/" the number must be all of the factor.
    bool whole = rest.Empty() || (op == '*' && (rest.At(1) == '*' || rest.At(1) == '/'));
    if (!v.Empty() && whole) {
        ExpressionText r = FoldConstants(a, v, op);
        if (!r.Empty()) return r + rest;
    }
    if (op == '/' && !IsAtomic(g)) return a + "/(" + g + ")";
    return a + op + g;
}

struct FractionReader : Cursor {
    using Cursor::Cursor;
    bool converted = false;
    bool* divisionSeen = nullptr;  // the flag of the innermost term being read

    void Fail(const char* message) { ReportError(message + text); }

    ExpressionText ReadFractionSum(bool& single) {
        single = true;
        ExpressionText a;
        if (current == '-' && text.At(position + 1) == 'x' && text.At(position + 2) == '^') {
            // A leading -x^n is -(x^n...), as the evaluator reads it.
            NextFractionChar();
            a = MinusTerm(ReadFractionTerm());
        } else {
            a = ReadFractionTerm();
        }
        for (int guard = 0; guard <= length && (current == '+' || current == '-'); ++guard) {
            char op = current;
            NextFractionChar();
            ExpressionText b = ReadFractionTerm();
            single = false;
            a = AddTerms(a, b, op);
        }
        return a;
    }

    ExpressionText ReadFractionTerm() {
        bool division = false;
        bool* outer = divisionSeen;
        divisionSeen = &division;
        ExpressionText a = ReadFractionPower();
        bool gathered = false;
        for (int guard = 0; guard <= length && (current == '*' || current == '/'); ++guard) {
            char op = current;
            if (op == '/') division = true;
            NextFractionChar();
            ExpressionText f = ReadFractionPower();
            a = Gather(MultiplyTerms(a, f, op));
            gathered = true;
        }
        divisionSeen = outer;
        // A product is gathered after each factor, and gathering a gathered
        // term changes nothing: only a single factor is left to gather.
        return gathered ? a : Gather(a);
    }

    ExpressionText ReadFractionPower() {
        ExpressionText a = ReadFractionSignedFactor();
        int n = 0;
        for (int guard = 0; guard <= length && current == '^'; ++guard) {
            ++n;
            NextFractionChar();
            ExpressionText e = ReadFractionSignedFactor();
            if (e.Contains('^')) ++n;
            if (e == "0") {
                a = "1";
                continue;
            }
            bool wrapped = false;
            if (!IsFullBracket(e)) {
                if (e.At(1) == '-') {
                    e = "(-" + From(e, 2) + ")";
                } else if (IsFractionText(e) || !IsAtomic(e)) {
                    e = "(" + e + ")";
                    wrapped = true;
                } else if (e.Contains('^')) {
                    // An exponent that is itself a power (x^(2^3) read without
                    // its bracket) keeps a bracket: x^2^3 would be (x^2)^3.
                    e = "(" + e + ")";
                }
            }
            // The base: -x^2 would read as -(x^2), 3/2^2 as 3/(2^2).
            if (a == "-x" || IsFractionText(a) || !IsAtomic(a)) a = "(" + a + ")";
            if (n > 1 && wrapped)
                a = "(" + a + ")^" + e;
            else
                a = a + "^" + e;  // a chain with an atomic exponent reads left to right: (a)^e
        }
        return a;
    }

    ExpressionText ReadFractionSignedFactor() {
        if (current != '-') return ReadFractionFactor();
        NextFractionChar();
        ExpressionText f = ReadFractionFactor();
        if (f.Empty()) return f;
        // -(x^2) read without its bracket would be (-x)^2 after an operator.
        int e = OperandEnd(f, 1);
        if (e == 0 || f.At(e) == '^' || !IsSingleTerm(f)) return "-(" + f + ")";
        return "-" + f;
    }

    // A number as an exact fraction (2.5 gives 5/2, 1.5e2 gives 150); one
    // that no 32-bit fraction holds stays as written, and the log says so.
    ExpressionText ReadNumber() {
        const int start = position;
        const int end = ScanNumber(text, start).end;
        Skip(end - start);
        ExpressionText number = Mid(text, start, end - 1);
        ExpressionText exact;
        if (!ExactNumberText(number, exact)) {
            AddNote("Bem\xE6rk: " + number + " kan ikke skrives som en eksakt br\xF8k og regnes som decimaltal");
            return number;
        }
        if (!(exact == number)) converted = true;
        return exact;
    }

    ExpressionText ReadBracket(bool& single) {
        if (++nesting > MaxNesting) {
            Fail(MissingBracketMessage);
            return {};
        }
        NextFractionChar();
        ExpressionText r = ReadFractionSum(single);
        --nesting;
        // After an error inside, the missing ")" is a consequence, not a second error.
        if (ErrorFlag) return {};
        if (current != ')') {
            Fail(MissingBracketMessage);
            return {};
        }
        NextFractionChar();
        return r;
    }

    ExpressionText ReadFractionFactor() {
        if (ErrorFlag) return {};
        if (IsDigit(current)) return ReadNumber();
        if (current == '(') {
            bool single = true;
            ExpressionText r = ReadBracket(single);
            if (ErrorFlag) return {};
            bool drop = !r.Empty() && (IsNumberExpression(r) || single) && r.At(1) != '-' && current != '^' &&
                        IsSingleTerm(r);
            if (divisionSeen && *divisionSeen) {
                if (single) drop = false;
                *divisionSeen = false;
            }
            return drop ? r : "(" + r + ")";
        }
        if (current == 'x') {
            NextFractionChar();
            return "x";
        }
        int f = FunctionAt();
        if (f >= 0) {
            ExpressionText name(FunctionNames[f]);
            Skip(name.Length());
            // A name without its bracket (sin x) is an error, not an empty factor.
            if (current != '(') {
                Fail(ExpressionErrorMessage);
                return {};
            }
            bool single = true;
            ExpressionText r = ReadBracket(single);
            if (ErrorFlag) return {};
            return IsFullBracket(r) ? name + r : name + "(" + r + ")";
        }
        if (AtPi()) {
            Skip(2);
            return "pi";
        }
        // Euler's number is part of the notation as much as pi is.
        if (current == 'e') {
            NextFractionChar();
            return "e";
        }
        Fail(ExpressionErrorMessage);
        return {};
    }
};

ExpressionText Prepared(const ExpressionText& expr) {
    ExpressionText s = expr;
    for (int i = 1; i <= s.Length(); ++i)
        if (s.At(i) == ',') s = Mid(s, 1, i - 1) + "." + From(s, i + 1);
    return TidyExpression(s);
}

}  // namespace

void DecimalsToFractions(const ExpressionText& expr, ExpressionText& result) {
    if (expr.Empty()) {
        result = expr;
        return;
    }
    ExpressionText s = Prepared(expr);
    FractionReader reader(s);
    reader.NextFractionChar();
    bool single = true;
    s = TidyExpression(reader.ReadFractionSum(single));
    if (reader.converted) AddLogLine("Kovertering af decimalkommatal til br\xF8ker: fx = " + s.Str());
    result = s;
}

bool ReadsAsExpression(const ExpressionText& expr) {
    return ReadsWhole(Prepared(LowerCaseText(RemoveBlanks(expr))));
}

ExpressionText ToFractions(const ExpressionText& text) {
    ExpressionText result;
    DecimalsToFractions(text, result);
    return result;
}
