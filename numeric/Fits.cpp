#include "Fits.h"

#include <algorithm>
#include <cmath>

#include "Evaluate.h"
#include "Host.h"
#include "TextUtils.h"

namespace {

// The shown equation gives the fitted values to 4 significant digits.
constexpr double ShownAccuracy = 1e-4;

double Model(FitKind kind, double a, double b, double x) {
    return kind == FitKind::Exponential ? b * std::pow(a, x) : b * std::pow(x, a);
}

// A coefficient with the given decimals; one far from 1 in size as
// m*10^(k), so that its digits are not all zeros (b of data given by the
// year: 100/1.05^2000 is about 6e-41).
std::string Coefficient(double v, int decimals) {
    const double size = std::fabs(v);
    if (size == 0 || (size >= 1e-3 && size < 1e7)) return FormatNumber(10, decimals, v);
    int k = static_cast<int>(std::floor(std::log10(size)));
    double m = v / std::pow(10.0, k);
    // Rounding may carry the mantissa to 10.
    if (std::fabs(std::stod(FormatNumber(10, decimals, m))) >= 10) {
        ++k;
        m /= 10;
    }
    return FormatNumber(10, decimals, m) + "*10^(" + std::to_string(k) + ")";
}

std::string Text(FitKind kind, double a, double b, int decimals) {
    const std::string exponent = Coefficient(a, decimals);
    if (kind == FitKind::Exponential) return Coefficient(b, decimals) + "*" + exponent + "^x";
    return Coefficient(b, decimals) + "*x^" + (a < 0 || exponent.find('*') != std::string::npos ? "(" + exponent + ")" : exponent);
}

// The text's value at x, quietly; false where it has none.
bool Shown(const ExpressionText& text, double x, double& value) {
    SilentScope quiet;
    try {
        int stop = 0;
        value = EvaluateFunction(text, x, stop);
        return !ErrorFlag && stop >= text.Length() && std::isfinite(value);
    } catch (const ArithmeticFault&) {
        return false;
    }
}

// 1 - residual/total; points that all share one value are fitted exactly.
double Determination(double residual, double total) { return total == 0 ? 1 : 1 - residual / total; }

}  // namespace

bool TransformedRegression(FitKind kind, int n, const Vector& x, const Vector& y, double& a, double& b,
                           std::string& refusal) {
    a = b = 0;
    Vector u{}, v{};
    for (int i = 1; i <= n; ++i) {
        if (!(y[i] > 0)) {
            refusal = (kind == FitKind::Exponential ? "Eksponentiel regression" : "Potensregression") +
                      std::string(" kr\xE6ver y > 0 i alle punkter (ln y skal findes); punkt ") + std::to_string(i) +
                      " har y = " + FormatNumber(10, 4, y[i]);
            return false;
        }
        if (kind == FitKind::Power && !(x[i] > 0)) {
            refusal = "Potensregression kr\xE6ver x > 0 i alle punkter (ln x skal findes); punkt " +
                      std::to_string(i) + " har x = " + FormatNumber(10, 4, x[i]);
            return false;
        }
        u[i] = kind == FitKind::Power ? std::log(x[i]) : x[i];
        v[i] = std::log(y[i]);
    }
    double slope = 0, intercept = 0;
    if (!LinearRegression(n, u, v, slope, intercept)) {
        refusal = "Fejl ved bestemmelse af regressionen: alle punkter har samme x";
        return false;
    }
    a = CheckedReal(kind == FitKind::Exponential ? std::exp(slope) : slope);
    b = CheckedReal(std::exp(intercept));
    return true;
}

std::string TransformedFitText(FitKind kind, double a, double b, int n, const Vector& x) {
    for (int decimals = 4;; ++decimals) {
        const std::string text = Text(kind, a, b, decimals);
        if (decimals >= 12) return text;
        bool close = true;
        for (int i = 1; i <= n && close; ++i) {
            double shown = 0;
            const double exact = Model(kind, a, b, x[i]);
            close = Shown(ExpressionText(text), x[i], shown) && std::fabs(shown - exact) <= ShownAccuracy * std::fabs(exact);
        }
        if (close) return text;
    }
}

Confirmation ConfirmTransformedFit(const ExpressionText& text, FitKind kind, double a, double b, int n,
                                   const Vector& x, const Vector& y) {
    for (int i = 1; i <= n; ++i) {
        double shown = 0;
        if (!Shown(text, x[i], shown)) return {false, "Kontrol: ligningen kan ikke l\xE6ses tilbage"};
        const double exact = Model(kind, a, b, x[i]);
        if (!(std::fabs(shown - exact) <= 2 * ShownAccuracy * std::fabs(exact)))
            return {false, "Kontrol: ligningen giver ikke de beregnede v\xE6rdier (i x = " + FormatNumber(10, 4, x[i]) +
                               ")"};
    }
    const FitQuality quality = AssessFit(text, kind, 2, n, x, y);
    return {true, "Kontrol: Forklaringsgrad R^2 = " + FormatNumber(6, 4, quality.transformedDetermination) +
                      " (af ln(y) mod " + (kind == FitKind::Power ? "ln(x)" : "x") + ")"};
}

FitQuality AssessFit(const ExpressionText& text, FitKind kind, int parameters, int n, const Vector& x,
                     const Vector& y) {
    FitQuality q;
    const bool logarithmic = kind == FitKind::Exponential || kind == FitKind::Power;
    double mean = 0, logMean = 0;
    for (int i = 1; i <= n; ++i) {
        if (!Shown(text, x[i], q.fitted[i])) return q;
        if (logarithmic && !(q.fitted[i] > 0 && y[i] > 0)) return q;
        mean += y[i];
        if (logarithmic) logMean += std::log(y[i]);
    }
    mean /= n;
    logMean /= n;
    double residual = 0, total = 0, logResidual = 0, logTotal = 0;
    for (int i = 1; i <= n; ++i) {
        q.residuals[i] = y[i] - q.fitted[i];
        residual += q.residuals[i] * q.residuals[i];
        total += (y[i] - mean) * (y[i] - mean);
        if (logarithmic) {
            const double r = std::log(y[i]) - std::log(q.fitted[i]);
            logResidual += r * r;
            logTotal += (std::log(y[i]) - logMean) * (std::log(y[i]) - logMean);
        }
    }
    q.determination = Determination(residual, total);
    q.transformedDetermination = logarithmic ? Determination(logResidual, logTotal) : q.determination;
    // An exact fit through as many points as coefficients has no spread to tell.
    q.spread = n > parameters ? std::sqrt(residual / (n - parameters)) : 0;
    q.readable = std::isfinite(q.determination) && std::isfinite(q.spread);
    return q;
}
