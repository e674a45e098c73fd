// The three methods and the result checks on any texts. The first byte
// picks the method, the number of variables (1 to 3) and the answer to the
// boxes; the rest is split at ';' into the function or the equations. Each
// call ends (100 iterations at most); arithmetic faults are allowed, as the
// handlers catch them.
#include <cmath>

#include "Confirm.h"
#include "FuzzHost.h"
#include "LinearEquations.h"
#include "Minimise.h"
#include "PointText.h"

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
        bool found = false;
        switch (method) {
        case 0:
            found = MinimiseFunction(n, equations[1], names, 0.0001, values);
            if (found) ConfirmMinimum(n, equations[1], names, values, 0.0001);
            break;
        case 1:
            found = SolveEquationsNewton(n, equations, names, 0.0001, values);
            break;
        case 2:
            found = SolveEquationsLeastSquares(n, equations, names, 0.0001, values);
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
            break;
        }
        }
        if (found && method > 0) ConfirmSolution(n, equations, names, values, 0.0001);
    });
    return 0;
}
