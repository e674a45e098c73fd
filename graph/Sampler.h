#pragma once
// Adaptive sampling of y = f(x) for drawing: dense where the curve bends,
// broken where f is undefined or jumps, never joined across a pole.
#include <functional>
#include <vector>

// f(x), NaN where f is undefined. May throw ArithmeticFault (a break too).
using RealFunction = std::function<double(double)>;

struct SamplePoint {
    double x, y;
};
using Polyline = std::vector<SamplePoint>;

struct SampleLimits {
    int initialIntervals = 160;  // even grid the refinement starts from
    int maxDepth = 12;           // halvings of one grid interval
    int maxEvaluations = 20000;  // bounds the work for any f
    double tolerance = 0.002;    // allowed bend, as a fraction of the view's height
};

struct Sampling {
    std::vector<Polyline> pieces;  // each drawn as one connected line
    std::vector<double> poles;     // x where |f| grows without bound (vertical asymptotes)
    int evaluations = 0;
};

// Samples f on [xMin, xMax] for a view of the heights [yMin, yMax]; the
// heights decide how much bend is visible and what counts as a jump.
// Installs a silent host while it runs and leaves ErrorFlag as it found it.
Sampling SampleFunction(const RealFunction& f, double xMin, double xMax, double yMin, double yMax,
                        const SampleLimits& limits = {});

// Values of f on an even grid of count points (NaN where undefined), with the
// same silent host: for finding a view before the real sampling.
std::vector<SamplePoint> SampleGrid(const RealFunction& f, double xMin, double xMax, int count);
