#pragma once
// The definite integral of f from a to b as the Integration tab gives it: from
// the antiderivative F where F holds on the interval, otherwise by Simpson's
// rule; never across a point where f is unbounded. Writes the log's lines
// (the "Kontrol: " lines among them); the caller shows refusal in a box.
#include <string>
#include <vector>

#include "ExpressionText.h"

struct DefiniteIntegralResult {
    bool shown = false;      // value is the integral
    double value = 0;
    bool numeric = false;    // Simpson's rule was used
    int panels = 0;          // with this many panels
    std::string refusal;     // why there is no value (for the error box), when not shown
};

// F empty: no antiderivative. panels: Simpson's panels where it is used,
// doubled until twice as many give the same to 1e-5.
DefiniteIntegralResult DefiniteIntegral(const ExpressionText& f, const ExpressionText& F, double a, double b,
                                        int panels);

// Where f is unbounded or undefined on [a, b]: points found on a grid and
// zoomed in on. Exposed for the tests.
struct SingularPoint {
    double at = 0;
    bool unbounded = false;  // |f| grows without bound towards it (else f is only undefined there)
    double order = 0;        // growth of |f| ~ 1/|x - at|^order, estimated (unbounded only)
};
std::vector<SingularPoint> FindSingularPoints(const ExpressionText& f, double a, double b);
