// The methods, the searches that go on after them, and the result checks on
// any texts. The first byte
// picks the method, the number of variables (1 to 3) and the answer to the
// boxes; the rest is split at ';' into the function or the equations. Each
// call ends (100 iterations at most); arithmetic faults are allowed, as the
// handlers catch them.
#include <cmath>
#include <string>
#include <vector>

#include "Confirm.h"
#include "Fits.h"
#include "FuzzHost.h"
#include "LinearEquations.h"
#include "Minimise.h"
#include "PointText.h"
#include "Search.h"

static FuzzHost host;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    host.ignore = data[0] & 0x80;
    SetHost(&host);
    ErrorFlag = false;
    const int method = data[0] % 4;
    const int n = 1 + (data[0] / 4) % 3;
    ExpressionText equations[6];
    for (int i = 1; i <= n; ++i) {
        const std::size_t end = rest.find(';');
        equations[i] = ExpressionText(rest.substr(0, std::min<std::size_t>(end, 255)));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const VariableNames names = DefaultVariableNames();
    VariableValues values{};
    for (int i = 1; i <= n; ++i) values[i] = 0.5 * i;
    Guarded([&] {
        switch (method) {
        case 0:
            FindMinimum(n, equations[1], names, 0.0001, values);
            break;
        case 1:
            if (n == 1) {
                std::vector<std::string> reports;
                SolutionsInInterval(equations[1], 'x', -10, 10, 0.0001, reports);
            }
            SolveEquations(n, equations, names, 0.0001, values, false);
            break;
        case 2:
            SolveEquations(n, equations, names, 0.0001, values, true);
            break;
        default: {
            // The equations' values as regression data.
            Vector x{}, y{};
            for (int i = 1; i <= 21; ++i) {
                x[i] = i % 7 - 3 + 0.125 * (data[0] & 3);
                y[i] = std::fmod(EvaluateFunctionN(n, equations[1], names, values) + i, 1e6);
                if (!std::isfinite(y[i])) y[i] = i;
            }
            RegressionCoefficients p{};
            double a, b;
            LinearRegression(3 + data[0] % 19, x, y, a, b);
            PolynomialRegression(3 + data[0] % 19, 2 + data[0] % 9, x, y, p);
            std::string refusal;
            const FitKind kind = data[0] & 4 ? FitKind::Power : FitKind::Exponential;
            if (TransformedRegression(kind, 3 + data[0] % 19, x, y, a, b, refusal)) {
                const std::string text = TransformedFitText(kind, a, b, 3 + data[0] % 19, x);
                ConfirmTransformedFit(ExpressionText(text), kind, a, b, 3 + data[0] % 19, x, y);
            }
            std::string xText, yText;
            SplitDataPoint(rest, xText, yText, refusal);
            break;
        }
        }
    });
    return 0;
}
