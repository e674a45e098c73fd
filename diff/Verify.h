#pragma once
// Numeric checks of symbolic results before they are shown.
#include "ExpressionText.h"

struct DerivativeCheck {
    bool defined = false;  // f could be evaluated at some sample point
    int points = 0;        // points where f' was compared with a difference quotient
    bool passed = false;   // points > 0 and every comparison agreed
    double failedAt = 0;   // the first point that disagreed
};

// Compares df with central difference quotients of f at fixed sample points
// where f is defined around the point. Silent: no message, no log line.
DerivativeCheck CheckDerivative(const ExpressionText& f, const ExpressionText& df);

struct ValueCheck {
    bool defined = false;  // a is defined at some sample point
    int points = 0;        // points compared
    bool passed = false;
    double failedAt = 0;
};

// b has a's value (to 1e-9 relative) at every sample point where a is defined.
ValueCheck CheckSameValues(const ExpressionText& a, const ExpressionText& b);

struct AntiderivativeCheck {
    bool defined = false;  // f could be evaluated at some sample point
    int points = 0;        // points where F' was compared with f
    bool passed = false;   // points > 0 and every comparison agreed
    double failedAt = 0;
};
// Compares f with dF (the symbolic derivative of F) and with difference
// quotients of F at the sample points where f is defined and F is defined
// around the point. Silent.
AntiderivativeCheck CheckAntiderivative(const ExpressionText& f, const ExpressionText& F, const ExpressionText& dF);
