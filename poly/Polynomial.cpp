#include "Polynomial.h"

#include <string>

#include "Fraction.h"
#include "Host.h"
#include "Rules.h"
#include "Scanner.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

bool IsZeroCoefficient(const ExpressionText& c) {
    for (char ch : c.View()) {
        if (ch == '/') break;
        if (IsDigit(ch) && ch != '0') return false;
    }
    return true;
}

// A decimal number text ("2.5", "0,75") as a reduced fraction text ("5/2");
// empty when it has more digits than an exact conversion can hold.
std::string DecimalAsFraction(std::string_view number) {
    std::string digits;
    int decimals = 0;
    bool after = false;
    for (char c : number) {
        if (c == '.' || c == ',') {
            after = true;
            continue;
        }
        digits += c;
        if (after) ++decimals;
    }
    std::size_t first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? "0" : digits.substr(first);
    if (digits.size() > 18 || decimals > 18) return {};
    std::int64_t denominator = 1;
    for (int i = 0; i < decimals; ++i) denominator *= 10;
    return Fraction::Of(std::stoll(digits), denominator).Text();
}

// The reader of one polynomial text; positions 1-based.
class PolynomialReader {
public:
    explicit PolynomialReader(const ExpressionText& text) : t_(text) {}

    // False when the text is not a polynomial; reported marks a reported one.
    bool Read(int& degree, TPolyCoefficients& k, ExpressionText& normalised, const ExpressionText& shown) {
        std::string norm;
        int last = MaxPolyDegree + 1;  // the power of the term before
        bool first = true;
        int pos = 1;
        const int n = t_.Length();
        if (n == 0) return false;
        while (pos <= n) {
            int start = pos;
            std::string coefficient;
            char c = t_.At(pos);
            if (c == '+' || c == '-') {
                coefficient += c;
                ++pos;
            } else if (!first) {
                return false;
            }
            bool digits = IsDigit(t_.At(pos));
            int numberStart = pos, afterNumber = pos;
            std::string written;
            if (digits) {
                NumberToken number = ScanNumber(t_, pos);
                if (number.exponent || number.separators > 1) return false;
                std::string_view text = t_.View().substr(pos - 1, number.end - pos);
                if (number.separators == 1) {
                    written = DecimalAsFraction(text);
                    if (written.empty()) return false;
                } else {
                    written = text;
                }
                pos = number.end;
                if (t_.At(pos) == '/') {
                    int d = DigitsEnd(t_, pos + 1);
                    if (d == pos + 1 || IsNumberChar(t_.At(d))) return false;
                    std::string_view denominator = t_.View().substr(pos, d - pos - 1);
                    if (IsZeroCoefficient(ExpressionText(denominator))) return false;
                    // A decimal numerator over a whole denominator stays exact.
                    written = number.separators == 1
                                  ? (CoefficientValue(ExpressionText(written)) /
                                     CoefficientValue(ExpressionText(denominator)))
                                        .Text()
                                  : written + "/" + std::string(denominator);
                    pos = d;
                }
                coefficient += written;
                afterNumber = pos;
                if (t_.At(pos) == '*') {
                    ++pos;
                    if (t_.At(pos) != 'x') return false;
                }
            }
            int power;
            if (t_.At(pos) == 'x') {
                ++pos;
                power = 1;
                if (t_.At(pos) == '^') {
                    ++pos;
                    int d = DigitsEnd(t_, pos);
                    if (d == pos) return false;
                    // Exponents above 20 lie outside the coefficient array: refused.
                    if (d - pos > 2) return false;
                    std::int64_t value = 0;
                    if (!WholeNumberValue(t_.View().substr(pos - 1, d - pos), MaxPolyDegree, value)) return false;
                    power = static_cast<int>(value);
                    pos = d;
                }
                if (!IsOneOf(t_.At(pos), "+-") && pos <= n) return false;
                if (!digits) coefficient = coefficient == "-" ? "-1" : "1";
                // x^0 is a constant term: below the first it carries its sign.
                if (power == 0 && !first && coefficient[0] != '-' && coefficient[0] != '+') coefficient.insert(0, "+");
            } else {
                // A constant term must be the last.
                if (!digits || pos <= n) return false;
                power = 0;
                if (first && coefficient[0] == '+') coefficient.erase(0, 1);
            }
            // Each power below the one before: a repeated or rising power
            // would otherwise be stored as another polynomial.
            if (power >= last) {
                ReportError("Fejl i polynomium: " + shown);
                return false;
            }
            k[power] = ExpressionText(coefficient);
            if (first) degree = power;
            first = false;
            last = power;
            // The normalised term: the text as written, decimals as fractions.
            norm += digits ? std::string(t_.View().substr(start - 1, numberStart - start)) + written +
                                 std::string(t_.View().substr(afterNumber - 1, pos - afterNumber))
                           : std::string(t_.View().substr(start - 1, pos - start));
        }
        while (degree > 0 && IsZeroCoefficient(k[degree])) k[degree--].Clear();
        normalised = ExpressionText(norm);
        return true;
    }

private:
    const ExpressionText& t_;
};

}  // namespace

bool ParsePolynomial(ExpressionText& text, int& degree, TPolyCoefficients& coefficients) {
    for (char c : text.View())
        if (c >= 'a' && c <= 'u') return false;
    ExpressionText t = LowerCaseText(text);
    if (t.At(1) == '(') {
        if (MatchingBracket(t, 1) != t.Length()) return false;
        t = Mid(t, 2, t.Length() - 1);
    }
    TPolyCoefficients k;
    int d = 0;
    ExpressionText normalised;
    PolynomialReader reader(t);
    if (!reader.Read(d, k, normalised, text)) return false;
    text = normalised;
    degree = d;
    coefficients = k;
    return true;
}

ExpressionText PolynomialToText(int degree, const TPolyCoefficients& c) {
    ErrorFlag = false;
    if (degree > MaxTextDegree) {
        ReportError("Fejl ved fors\xF8g p\xE5 at finde koefficienter til \"polynomium\"");
        return {};
    }
    if (degree < 0) return {};
    std::string s;
    for (int i = degree; i >= 2; --i) {
        if (c[i].Empty() || c[i] == "0") continue;
        if (c[i] == "1" || c[i] == "+1")
            s += "+x^" + std::to_string(i);
        else
            s += c[i].Str() + "*x^" + std::to_string(i);
    }
    if (degree >= 1 && !c[1].Empty() && !(c[1] == "0")) s += c[1] == "1" ? std::string("+x") : c[1].Str() + "*x";
    if (!c[0].Empty() && !(c[0] == "0")) s += c[0].Str();
    return StripPlus(ExpressionText(s));
}

bool DividePolynomials(const ExpressionText& p, const ExpressionText& d, ExpressionText& quotient,
                       ExpressionText& remainder) {
    ExpressionText pt = p, dt = d;
    int n = 0, m = 0;
    TPolyCoefficients pk, dk;
    if (!ParsePolynomial(pt, n, pk) || !ParsePolynomial(dt, m, dk)) return false;
    std::vector<Fraction> a = CoefficientValues(n, pk), b = CoefficientValues(m, dk);
    // Division by the zero polynomial has no quotient.
    if (b[m].IsZero()) return false;
    if (m > n) {
        ExpressionText r = PolynomialToText(DegreeOf(a), CoefficientTexts(a));
        if (ErrorFlag) return false;
        quotient.Clear();
        remainder = r;
        return true;
    }
    std::vector<Fraction> q(n - m + 1);
    for (int top = n; top >= m; --top) {
        Fraction f = a[top] / b[m];
        q[top - m] = f;
        for (int j = 0; j <= m; ++j) a[top - m + j] = a[top - m + j] - f * b[j];
    }
    a.resize(m > 0 ? m : 1);
    ExpressionText qt = PolynomialToText(DegreeOf(q), CoefficientTexts(q));
    if (ErrorFlag) return false;
    ExpressionText rt = PolynomialToText(DegreeOf(a), CoefficientTexts(a));
    if (ErrorFlag) return false;
    quotient = qt;
    remainder = rt;
    return true;
}

namespace {

bool HoldsX(const ExpressionText& t) { return t.Contains('x'); }

bool ReadPart(const ExpressionText& part, bool needsX, ExpressionText& normalised) {
    if (part.Empty() || (needsX && !HoldsX(part))) return false;
    ExpressionText t = part;
    int degree = 0;
    TPolyCoefficients k;
    if (!ParsePolynomial(t, degree, k)) return false;
    normalised = t;
    return true;
}

}  // namespace

bool IsRationalFunction(const ExpressionText& text, ExpressionText& numerator, ExpressionText& denominator) {
    if (!FindFunctionName(text).Empty()) return false;
    ExpressionText num, den;
    int p = text.Find(")/(") + 1;
    if (p > 0) {
        // (p)/(q): both brackets whole, the first opening the text.
        if (text.At(1) != '(' || MatchingBracket(text, 1) != p) return false;
        int e = MatchingBracket(text, p + 2);
        if (e != text.Length()) return false;
        if (!ReadPart(Mid(text, 2, p - 1), true, num) || !ReadPart(Mid(text, p + 3, e - 1), true, den)) return false;
    } else if ((p = text.Find("/(") + 1) > 0) {
        // p/(q): the "/" divides the whole numerator only when that is one term.
        ExpressionText top = Mid(text, 1, p - 1);
        if (!IsSingleTerm(top)) return false;
        int e = MatchingBracket(text, p + 1);
        if (e != text.Length()) return false;
        if (!ReadPart(top, false, num) || !ReadPart(Mid(text, p + 2, e - 1), true, den)) return false;
    } else if ((p = text.Find(")/") + 1) > 0) {
        // (p)/x^n: an unbracketed denominator is a power of x alone, since
        // (x+1)/2*x and (x+1)/x+1 divide only part of what follows.
        if (text.At(1) != '(' || MatchingBracket(text, 1) != p) return false;
        ExpressionText bottom = From(text, p + 2);
        bool powerOfX = bottom == "x" || (bottom.StartsWith("x^") && bottom.Length() > 2 &&
                                          IsDigitText(From(bottom, 3).View()));
        if (!powerOfX) return false;
        if (!ReadPart(Mid(text, 2, p - 1), true, num) || !ReadPart(bottom, true, den)) return false;
    } else {
        return false;
    }
    numerator = num;
    denominator = den;
    return true;
}
