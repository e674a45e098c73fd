#include "FieldReaders.h"

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "CompiledFunction.h"
#include "Evaluate.h"
#include "ExplicitNotation.h"
#include "ExpressionText.h"
#include "Fractions.h"
#include "Host.h"
#include "PointText.h"
#include "Polynomial.h"
#include "TextOps.h"
#include "TextUtils.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::string_view Trim(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

// A polynomial typed with implicit coefficients (3x^2-x+5), which only the
// polynomial reader reads: drawn from its coefficients, silently.
std::optional<RealFunction> PolynomialFunction(const ExpressionText& text) {
    ExpressionText normalised = text;
    int degree = 0;
    TPolyCoefficients c;
    bool read = false;
    {
        SilentScope silent;
        try {
            read = ParsePolynomial(normalised, degree, c) && !ErrorFlag;
        } catch (const ArithmeticFault&) {
            read = false;
        }
    }
    if (!read) return std::nullopt;
    std::vector<double> k(static_cast<std::size_t>(degree) + 1);
    for (int i = 0; i <= degree; ++i)
        if (!c[i].Empty() && !TryEvaluate(StripPlus(c[i]), 0, k[i])) return std::nullopt;
    return RealFunction([k](double x) {
        double y = 0;
        for (auto it = k.rbegin(); it != k.rend(); ++it) y = y * x + *it;
        return std::isfinite(y) ? y : NaN;
    });
}

}  // namespace

std::optional<RealFunction> FieldFunction(std::string_view text, bool polynomial) {
    if (text.size() > ExpressionText::MaxLength) return std::nullopt;
    const ExpressionText expr = ExplicitNotation(RemoveBlanks(ExpressionText(text))).text;
    if (expr.Empty()) return std::nullopt;
    if (!ReadsAsExpression(expr)) return polynomial ? PolynomialFunction(expr) : std::nullopt;
    // Read once, evaluated at every sample point.
    auto f = std::make_shared<const CompiledFunction>(expr);
    return RealFunction([f](double x) {
        ErrorFlag = false;
        int stop = 0;
        const double y = f->Evaluate(x, stop);
        const ExpressionText& expr = f->Text();
        return ErrorFlag || stop < expr.Length() ? NaN : y;
    });
}

std::optional<double> FieldNumber(std::string_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    bool error = false;
    const double plain = TextToNumber(text, error);
    if (!error) return plain;
    const auto f = FieldFunction(text);
    if (!f) return std::nullopt;
    const double value = QuietValue(*f, 0);
    if (std::isnan(value)) return std::nullopt;
    return value;
}

std::optional<std::vector<double>> FieldList(std::string_view text) {
    text = Trim(text);
    if (text.size() < 2) return std::nullopt;
    const char open = text.front(), close = text.back();
    if (!((open == '{' && close == '}') || (open == '(' && close == ')'))) return std::nullopt;
    std::string_view inner = Trim(text.substr(1, text.size() - 2));
    std::vector<double> items;
    if (inner.empty()) return items;
    // With the decimal comma the items are separated by ";" ((1;2,5)).
    const char separator = inner.find(';') != std::string_view::npos ? ';' : ',';
    while (true) {
        const std::size_t comma = inner.find(separator);
        const auto item = FieldNumber(inner.substr(0, comma));
        if (!item) return std::nullopt;
        items.push_back(*item);
        if (comma == std::string_view::npos) break;
        inner.remove_prefix(comma + 1);
    }
    return items;
}

std::optional<std::vector<SamplePoint>> FieldPoints(std::string_view text, int maxCount) {
    std::vector<SamplePoint> points;
    std::size_t pos = 0;
    while (static_cast<int>(points.size()) < maxCount) {
        const std::size_t open = text.find('(', pos);
        if (open == std::string_view::npos) break;
        const std::size_t close = text.find(')', open);
        if (close == std::string_view::npos) return std::nullopt;
        // Read as the Regression tab reads them: "(1;2,1)" as well as "(1,2.1)".
        std::string xText, yText, problem;
        if (!SplitDataPoint(text.substr(open + 1, close - open - 1), xText, yText, problem)) return std::nullopt;
        bool error = false;
        const double x = ReadNumber(xText, error), y = ReadNumber(yText, error);
        if (error) return std::nullopt;
        points.push_back({x, y});
        pos = close + 1;
    }
    return points;
}

double QuietValue(const RealFunction& f, double x) {
    SilentScope silent;
    double y = NaN;
    try {
        y = f(x);
    } catch (const ArithmeticFault&) {
    }
    return std::isfinite(y) ? y : NaN;
}
