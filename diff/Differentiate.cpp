#include "Differentiate.h"

#include <array>
#include <string_view>
#include <utility>

#include "Host.h"
#include "Scanner.h"
#include "TextUtils.h"

// Bounds: a call reads its text once, left to right (every loop consumes a
// character), and differentiates a part again only through a fresh call on a
// strictly smaller, disjoint piece of its text (the two operands of a rule, the
// argument of a function). The pieces of one call never overlap, so a text of
// 255 characters leads to at most a few hundred calls, nested at most as deep
// as it has characters; bracket nesting inside one reader is bounded the same
// way. No separate depth counter is needed: the deepest text (254 unclosed
// brackets) takes about 2 MB of stack in a sanitizer build, less without.

namespace {

// User names and the internal spellings the reader works with; applied in this
// order on the way in, and in the same order with the columns swapped on the way out.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> InternalNames{{
    {"atan", "atg"},
    {"asinh", "hasn"},
    {"sinh", "hsin"},
    {"tanh", "htg"},
    {"tan", "ftg"},
    {"acosh", "hacos"},
    {"cosh", "hcos"},
}};

// The spelling of function f in a working text: its internal name where it
// has one, else its own.
std::string_view WorkingName(int f) {
    for (const auto& [user, internal] : InternalNames)
        if (user == FunctionNames[f]) return internal;
    return FunctionNames[f];
}

enum class Operand { Const, X, Fx };

// const: no letter x; x: exactly "x"; f(x): any other text with an x. The
// whole operand is looked at: an x far into a long operand still makes it f(x).
Operand ClassOf(const ExpressionText& s) {
    if (s == "x") return Operand::X;
    return s.Contains('x') ? Operand::Fx : Operand::Const;
}

// Operators outside brackets in a derivative text: a binary + or - (a sum), a
// leading sign, or a "^" on the first factor before any "*" or "/".
struct TopLevel {
    bool sum = false;
    bool leadingSign = false;
    bool leadingPower = false;
};

TopLevel ScanTopLevel(const ExpressionText& s) {
    TopLevel r;
    int depth = 0;
    bool productSeen = false;
    for (int i = 1; i <= s.Length(); ++i) {
        char c = s.At(i);
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth > 0) --depth;
        } else if (depth == 0) {
            if (c == '+' || c == '-') {
                if (i == 1)
                    r.leadingSign = true;
                else if (!IsOneOf(s.At(i - 1), "*/^+-") && !IsExponentSign(s, i))
                    r.sum = true;
            } else if (c == '*' || c == '/') {
                productSeen = true;
            } else if (c == '^' && !productSeen) {
                r.leadingPower = true;
            }
        }
    }
    return r;
}

// "-" in front of a text. The evaluator binds a unary minus to the first
// factor before "^" (-2^2 is 4), and a sum needs its brackets, so such texts
// are bracketed; a plain product keeps the short form (-x gives -1).
ExpressionText Negated(const ExpressionText& s) {
    TopLevel t = ScanTopLevel(s);
    if (t.sum || t.leadingSign || t.leadingPower) return "-(" + s + ")";
    return "-" + s;
}

// v^2 for a divisor; a signed divisor is bracketed so that no reader can take
// the square for the minus alone.
ExpressionText Squared(const ExpressionText& v) {
    if (v[0] == '-') return "(" + v + ")^2";
    return v + "^2";
}

// How a text is read: as an expression (the whole text, a bracket, a function
// argument), where a leading -x^ negates the whole term as in the evaluator, or
// as a piece cut out of a term (an operand of a rule), where every leading
// minus belongs to the first factor: 3*-x^2 has the operand -x^2 = (-x)^2.
enum class Reading { Expression, Piece };

ExpressionText Differentiate(const ExpressionText& text, bool nested, Reading reading);

// The derivative of an operand of a rule, by a call with its own reader.
ExpressionText D(const ExpressionText& s) { return Differentiate(s, true, Reading::Piece); }

// An operand as a rule places it. A piece that begins with -x^ means (-x)^...,
// but where an expression starts (the start of a result, after "(") the
// evaluator reads -x^ as -(x^...): the factor is bracketed. A power base that
// is -x alone is followed by "^" in the rule's text, so it is bracketed too.
ExpressionText Placed(const ExpressionText& s, bool base = false) {
    if (s.StartsWith("-x^") || (base && s == "-x")) return "(-x)" + From(s, 3);
    return s;
}

// The text of the pieces one after the other, cut at 255. Built in place, with
// no temporaries: the rules run at every level of a deep recursion.
std::string_view Piece(const ExpressionText& t) { return t.View(); }
std::string_view Piece(const char* s) { return s; }

template <class... Pieces>
ExpressionText Cat(const Pieces&... pieces) {
    ExpressionText r;
    ((r += Piece(pieces)), ...);
    return r;
}

// D(s) where s is f(x); every rule uses the derivative of exactly its f(x) operands.
ExpressionText DerivativeIfFx(const ExpressionText& s) {
    return ClassOf(s) == Operand::Fx ? D(s) : ExpressionText();
}

// u*v, u everything before the first "*", v the rest of the term.
ExpressionText ProductRule(const ExpressionText& pieceU, const ExpressionText& pieceV) {
    const Operand cu = ClassOf(pieceU), cv = ClassOf(pieceV);
    const ExpressionText du = DerivativeIfFx(pieceU);
    const ExpressionText dv = DerivativeIfFx(pieceV);
    const ExpressionText u = Placed(pieceU), v = Placed(pieceV);
    if (cu == Operand::Const) {
        if (cv == Operand::Const) return "0";
        if (cv == Operand::X) return u;
        return Cat(u, "*(", dv, ")");
    }
    if (cu == Operand::X) {
        if (cv == Operand::Const) return v;
        if (cv == Operand::X) return "2*x";
        return Cat(v, "+x*(", dv, ")");
    }
    if (cv == Operand::Const) return Cat("(", du, ")*", v);
    if (cv == Operand::X) return Cat(du, "*x+", u);
    return Cat(du, "*", v, "+", u, "*(", dv, ")");
}

// u/v, v the last divisor with its exponents, u everything before it.
// A constant numerator is negated with Negated: -2^2/x^2 would square -2.
ExpressionText QuotientRule(const ExpressionText& pieceU, const ExpressionText& pieceV) {
    const Operand cu = ClassOf(pieceU), cv = ClassOf(pieceV);
    const ExpressionText du = DerivativeIfFx(pieceU);
    const ExpressionText dv = DerivativeIfFx(pieceV);
    const ExpressionText u = Placed(pieceU), v = Placed(pieceV);
    if (cu == Operand::Const) {
        if (cv == Operand::Const) return "0";
        if (cv == Operand::X) return Cat("(", Negated(u), "/x^2)");
        return Cat("(", Negated(u), "/(", v, ")^2*", dv, ")");
    }
    if (cu == Operand::X) {
        if (cv == Operand::Const) return Cat("1/", v);
        if (cv == Operand::X) return "0";
        return Cat("(", v, "-x*", dv, ")/", Squared(v));
    }
    if (cv == Operand::Const) return Cat(du, "/", v);
    if (cv == Operand::X) return Cat("(", du, "*x-", u, ")/x^2");
    return Cat("(", du, "*", v, "-", u, "*", dv, ")/", Squared(v));
}

// u^w, w the last exponent, u everything before it.
// w is one signed factor, so it never begins with -x^; b is u where "^" follows.
ExpressionText PowerRule(const ExpressionText& pieceU, const ExpressionText& w) {
    const Operand cu = ClassOf(pieceU), cw = ClassOf(w);
    const ExpressionText du = DerivativeIfFx(pieceU);
    const ExpressionText dw = DerivativeIfFx(w);
    const ExpressionText u = Placed(pieceU), b = Placed(pieceU, true);
    if (cu == Operand::Const) {
        if (cw == Operand::Const) return "0";
        if (cw == Operand::X) return Cat(b, "^x*ln(", u, ")");
        return Cat(b, "^", w, "*ln(", u, ")*", dw);
    }
    if (cu == Operand::X) {
        if (cw == Operand::Const) return Cat(w, "*x^(", w, "-1)");
        if (cw == Operand::X) return "x^x*(1+ln(x))";
        return Cat("x^", w, "*(", w, "/x+ln(x)*", dw, ")");
    }
    if (cw == Operand::Const) return Cat(w, "*", b, "^(", w, "-1)*", du);
    if (cw == Operand::X) return Cat(b, "^x*(ln(", u, ")+x*1/", u, "*", du, ")");
    return Cat(b, "^", w, "*(", dw, "*ln(", u, ")+", w, "*1/", u, "*", du, ")");
}

// One reading of a working text; positions are 1-based, 13 marks the end.
class Reader {
public:
    explicit Reader(const ExpressionText& text) : text_(text) {}

    void Start() {
        pos_ = 0;
        NextChar();
    }
    bool AtEnd() const { return pos_ > text_.Length(); }

    // atStart: the text in hand begins an expression (the -x^ rule applies).
    ExpressionText DiffExpression(bool atStart);

private:
    void NextChar();
    void Skip(int count);
    int MatchFunction() const;
    void FactorError();
    void DiffError();

    ExpressionText ReadNumber();
    ExpressionText ReadGroup();
    ExpressionText FactorText();
    ExpressionText SignedFactorText();
    ExpressionText DiffSignedTerm(bool atStart);
    ExpressionText DiffTerm(bool minus, bool wholeTerm);
    ExpressionText DiffSignedFactor();
    ExpressionText DiffFactor();
    ExpressionText DiffFunction(int function, const ExpressionText& g);

    ExpressionText text_;
    int pos_ = 0;
    char ch_ = EndOfText;
};

// Past the end the position stays one beyond the text. The end is the position,
// not the character: a carriage return inside the text is an unknown character.
void Reader::NextChar() {
    do {
        if (pos_ <= text_.Length()) ++pos_;
        ch_ = AtEnd() ? EndOfText : text_.At(pos_);
    } while (ch_ == ' ' && !AtEnd());
}

void Reader::Skip(int count) {
    for (int i = 0; i < count; ++i) NextChar();
}

// The function (an index of FunctionNames) whose working name starts at the
// position, or -1. No working name begins another, so the order is free.
int Reader::MatchFunction() const {
    if (AtEnd()) return -1;
    const ExpressionText restText = From(text_, pos_);  // the view must not outlive its text
    std::string_view rest = restText.View();
    for (int i = 0; i < static_cast<int>(FunctionNames.size()); ++i)
        if (rest.starts_with(WorkingName(i))) return i;
    return -1;
}

// After the first error the reading only unwinds: one message per text.
void Reader::FactorError() {
    if (!ErrorFlag) ReportLastingError("Fejl i funktionsudtryk: " + text_);
}

void Reader::DiffError() {
    if (!ErrorFlag) ReportLastingError("Fejl i udtryk: " + text_);
}

ExpressionText Reader::ReadNumber() {
    const int start = pos_;
    const int end = ScanNumber(text_, start).end;
    while (pos_ < end && !AtEnd()) NextChar();
    return Mid(text_, start, end - 1);
}

// The text after an opening "(" up to its matching ")", which is stepped over.
// Without a matching ")" the group runs to the end and ErrorFlag is set.
ExpressionText Reader::ReadGroup() {
    int depth = 1;
    ExpressionText group;
    while (!AtEnd()) {
        if (ch_ == '(')
            ++depth;
        else if (ch_ == ')' && --depth == 0)
            break;
        group += ch_;
        NextChar();
    }
    if (AtEnd() && !ErrorFlag)
        ReportLastingError("Mangler \")\" i funktionsudtryk: " + text_);
    else if (!AtEnd())
        NextChar();
    return group;
}

// One factor, as written. An unknown factor is reported and gives "".
ExpressionText Reader::FactorText() {
    if (IsDigit(ch_)) return ReadNumber();
    if (ch_ == 'p' && CharAt(text_, pos_ + 1) == 'i') {
        Skip(2);
        return "pi";
    }
    if (ch_ == 'x') {
        NextChar();
        return "x";
    }
    if (ch_ == '(') {
        NextChar();
        return "(" + ReadGroup() + ")";
    }
    int function = MatchFunction();
    if (function >= 0) {
        std::string_view name = WorkingName(function);
        Skip(static_cast<int>(name.size()));
        if (ch_ == '(') {
            NextChar();
            ExpressionText factor(name);
            factor += "(";
            return factor + ReadGroup() + ")";
        }
    } else if (ch_ == 'e') {
        // Euler's number, where no function name (exp, erf) begins.
        NextChar();
        return "e";
    }
    FactorError();
    return {};
}

ExpressionText Reader::SignedFactorText() {
    if (ch_ == '-') {
        NextChar();
        return "-" + FactorText();
    }
    if (ch_ == '+') NextChar();
    return FactorText();
}

ExpressionText Reader::DiffExpression(bool atStart) {
    ExpressionText result = DiffSignedTerm(atStart);
    while (ch_ == '+' || ch_ == '-') {
        char op = ch_;
        NextChar();
        ExpressionText term = DiffSignedTerm(false);
        // The derivative of a product is a sum: after a minus it needs brackets.
        if (op == '-' && ScanTopLevel(term).sum) term = "(" + term + ")";
        result += op;
        result += term;
    }
    return result;
}

// A unary minus as the evaluator reads it: it negates the first factor, before
// any "^" (-2^2 is 4); only -x^ at the start of an expression negates the whole
// term (-x^2 is -(x^2)).
ExpressionText Reader::DiffSignedTerm(bool atStart) {
    if (ch_ == '-') {
        const bool wholeTerm = atStart && text_.At(pos_ + 1) == 'x' && text_.At(pos_ + 2) == '^';
        NextChar();
        return DiffTerm(true, wholeTerm);
    }
    if (ch_ == '+') NextChar();
    return DiffTerm(false, false);
}

// Reads the whole term as text, then applies one rule by the last operator:
// u*v splits at the first "*", u/v at the last "/", u^w at the last "^".
// minus: a "-" stood before the term; wholeTerm: it negates the whole term.
ExpressionText Reader::DiffTerm(bool minus, bool wholeTerm) {
    const int start = pos_;
    char lastOp = 0;
    ExpressionText t = SignedFactorText();
    // A minus before a powered factor is part of the base: -sin(x)^2 is
    // (-sin(x))^2. Before "*", "/" or the end of the term, (-F)*rest and
    // -(F*rest) are the same value, and the derivative is negated as a whole
    // (-x gives -1). A second sign (--x^2) is no text the evaluator reads.
    bool negate = minus;
    if (minus && !wholeTerm && ch_ == '^' && t[0] != '-') {
        t = "-" + t;
        negate = false;
    }
    ExpressionText p, r, e;
    while (ch_ == '*' || ch_ == '/' || ch_ == '^') {
        lastOp = ch_;
        if (ch_ == '^') {
            NextChar();
            e = SignedFactorText();
            p = t;
            t += '^';
            t += e;
        } else if (ch_ == '/') {
            NextChar();
            r = SignedFactorText();
            // Every "^" right after a divisor belongs to it: x/2^2^2 divides
            // by (2^2)^2, as the evaluator reads it (not (x/2^2)^2).
            while (ch_ == '^') {
                NextChar();
                r += '^';
                r += SignedFactorText();
            }
            p = t;
            t += '/';
            t += r;
        } else {
            p = t;
            NextChar();
            r = SignedFactorText();
            while (ch_ == '*' || ch_ == '/' || ch_ == '^') {
                r += ch_;
                NextChar();
                r += SignedFactorText();
            }
            break;
        }
    }
    ExpressionText result;
    switch (lastOp) {
    case '*': result = ProductRule(p, r); break;
    case '/': result = QuotientRule(p, r); break;
    case '^': result = PowerRule(p, e); break;
    default:
        // A single factor: read it again, this time differentiating.
        pos_ = start - 1;
        NextChar();
        result = DiffSignedFactor();
        break;
    }
    return negate ? Negated(result) : result;
}

ExpressionText Reader::DiffSignedFactor() {
    if (ch_ == '-') {
        NextChar();
        return "-" + DiffFactor();
    }
    if (ch_ == '+') NextChar();
    return DiffFactor();
}

// The derivative of one factor. A factor that fails is reported and gives "".
ExpressionText Reader::DiffFactor() {
    if (IsDigit(ch_)) {
        ReadNumber();
        return "0";
    }
    if (ch_ == 'p' && CharAt(text_, pos_ + 1) == 'i') {
        Skip(2);
        return "0";
    }
    if (ch_ == '(') {
        NextChar();
        ExpressionText inner = DiffExpression(true);
        if (ch_ == ')') {
            NextChar();
            return "(" + inner + ")";
        }
        DiffError();
        return {};
    }
    if (ch_ == 'x') {
        NextChar();
        return "1";
    }
    int function = MatchFunction();
    if (function >= 0) {
        int length = static_cast<int>(WorkingName(function).size());
        if (CharAt(text_, pos_ + length) == '(') {
            Skip(length + 1);
            ExpressionText g = ReadGroup();
            return DiffFunction(function, g);
        }
    } else if (ch_ == 'e') {
        NextChar();
        return "0";
    }
    DiffError();
    return {};
}

// Standard derivatives; an argument other than x is followed by *(g').
ExpressionText Reader::DiffFunction(int function, const ExpressionText& g) {
    const Operand cls = ClassOf(g);
    if (cls == Operand::Const) return "0";
    if (cls == Operand::X) {
        switch (function) {
        case fnAbs: return "abs(x)/x";
        case fnSqrt: return "1/(2*sqrt(x))";
        case fnSin: return "cos(x)";
        case fnSinh: return "cosh(x)";
        case fnAsinh: return "1/sqrt(1+x^2)";
        case fnAsin: return "1/sqrt(1-x^2)";
        case fnCos: return "(-sin(x))";
        case fnCosh: return "sinh(x)";
        case fnAcosh: return "1/sqrt(x^2-1)";
        case fnAcos: return "(-1/sqrt(1-x^2))";
        case fnTanh: return "(1-tanh(x)^2)";
        case fnTan: return "(1+tan(x)^2)";
        case fnAtan: return "1/(1+x^2)";
        case fnLn: return "1/x";
        case fnExp: return "exp(x)";
        case fnErf: return "2/sqrt(pi)*exp(-x^2)";
        case fnPhi: return "1/sqrt(2*pi)*exp(-0.5*x^2)";
        default: return {};
        }
    }
    // The argument is an expression of its own: -x^2 in sin(-x^2) is -(x^2).
    const ExpressionText dg = Differentiate(g, true, Reading::Expression);
    switch (function) {
    case fnAbs: return Cat("abs(", g, ")/(", g, ")*(", dg, ")");
    case fnSqrt: return Cat("1/(2*sqrt(", g, "))*(", dg, ")");
    case fnSin: return Cat("cos(", g, ")*(", dg, ")");
    case fnSinh: return Cat("cosh(", g, ")*(", dg, ")");
    case fnAsinh: return Cat("1/sqrt(1+(", g, ")^2)*(", dg, ")");
    case fnAsin: return Cat("1/sqrt(1-(", g, ")^2)*(", dg, ")");
    case fnCos: return Cat("(-sin(", g, "))*(", dg, ")");
    case fnCosh: return Cat("sinh(", g, ")*(", dg, ")");
    case fnAcosh: return Cat("1/sqrt((", g, ")^2-1)*(", dg, ")");
    case fnAcos: return Cat("(-1/sqrt(1-(", g, ")^2))*(", dg, ")");
    case fnTanh: return Cat("(1-tanh(", g, ")^2)*(", dg, ")");
    case fnTan: return Cat("(1+tan(", g, ")^2)*(", dg, ")");
    case fnAtan: return Cat("1/(1+(", g, ")^2)*(", dg, ")");
    case fnLn: return Cat("1/(", g, ")*(", dg, ")");
    case fnExp: return Cat("exp(", g, ")*(", dg, ")");
    // -x^2 at the start of a bracket is -(x^2) for the evaluator, but -(g)^2
    // would square -(g): the square is bracketed before it is negated.
    case fnErf: return Cat("2/sqrt(pi)*exp(-((", g, ")^2))*(", dg, ")");
    case fnPhi: return Cat("1/sqrt(2*pi)*exp(-0.5*(", g, ")^2)*(", dg, ")");
    default: return {};
    }
}

// A nested call (the derivative of a piece) returns at once while an error
// of the computation in hand is set; the outermost call always runs.
ExpressionText Differentiate(const ExpressionText& text, bool nested, Reading reading) {
    if (nested && ErrorFlag) return {};
    ExpressionText working = RemoveBlanks(LowerCaseText(text));
    for (const auto& [user, internal] : InternalNames)
        working = ReplaceAll(working, ExpressionText(user), ExpressionText(internal));

    Reader reader(working);
    reader.Start();
    ExpressionText result = reader.DiffExpression(reading == Reading::Expression);
    for (const auto& [user, internal] : InternalNames)
        result = ReplaceAll(result, ExpressionText(internal), ExpressionText(user));

    if (!reader.AtEnd() && !ErrorFlag) ReportError("Fejl i Diff " + working);
    return result;
}

}  // namespace

ExpressionText DifferentiateExpression(const ExpressionText& text) {
    return Differentiate(text, false, Reading::Expression);
}

