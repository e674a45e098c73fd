#include "Sampler.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Host.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
// Halvings spent beyond the drawing depth to tell a pole from a finite jump
// and to pin down a domain edge.
constexpr int ProbeSteps = 40;
// |f| this many view heights away from the view means f runs off to infinity.
constexpr double PoleFactor = 1e4;

double Value(const RealFunction& f, double x) {
    try {
        const double y = f(x);
        return std::isfinite(y) ? y : NaN;
    } catch (const ArithmeticFault&) {
        return NaN;
    }
}

class Sampler {
public:
    Sampler(const RealFunction& f, double yMin, double yMax, const SampleLimits& limits)
        : f_(f), limits_(limits), yMin_(yMin), yMax_(yMax) {
        height_ = yMax > yMin ? yMax - yMin : 1;
        tolerance_ = limits.tolerance * height_;
    }

    Sampling Run(double xMin, double xMax) {
        width_ = xMax - xMin;
        const int n = std::max(1, limits_.initialIntervals);
        const double step = (xMax - xMin) / n;
        double x0 = xMin, y0 = Eval(x0);
        if (Defined(y0)) Emit(x0, y0);
        for (int i = 1; i <= n; ++i) {
            const double x1 = i == n ? xMax : xMin + i * step;
            const double y1 = Eval(x1);
            Refine(x0, y0, x1, y1, 0);
            x0 = x1;
            y0 = y1;
        }
        Break();
        result_.evaluations = evaluations_;
        return std::move(result_);
    }

private:
    static bool Defined(double y) { return !std::isnan(y); }
    bool Exhausted() const { return evaluations_ >= limits_.maxEvaluations; }

    double Eval(double x) {
        ++evaluations_;
        return Value(f_, x);
    }

    void Emit(double x, double y) {
        if (current_.empty() || current_.back().x < x) current_.push_back({x, y});
    }
    void Break() {
        if (current_.size() > 1) result_.pieces.push_back(std::move(current_));
        current_.clear();
    }
    // Both values on the same side outside the view: bends there are not seen.
    bool OutsideTogether(double a, double b, double c) const {
        return (a > yMax_ && b > yMax_ && c > yMax_) || (a < yMin_ && b < yMin_ && c < yMin_);
    }

    // Draws (x0,y0)-(x1,y1); (x0,y0) has been emitted when defined.
    void Refine(double x0, double y0, double x1, double y1, int depth) {
        const bool d0 = Defined(y0), d1 = Defined(y1);
        if (!d0 && !d1) {
            // Undefined at both ends; look inside only on the coarse levels.
            if (depth >= 2 || Exhausted()) return;
            const double xm = 0.5 * (x0 + x1), ym = Eval(xm);
            if (!Defined(ym)) return;
            Refine(x0, y0, xm, ym, depth + 1);
            Refine(xm, ym, x1, y1, depth + 1);
            return;
        }
        if (!d0 || !d1) {
            Edge(x0, y0, x1, y1);
            return;
        }
        const double xm = 0.5 * (x0 + x1);
        if (depth >= limits_.maxDepth || Exhausted()) {
            const double step = std::fabs(y1 - y0);
            if (step > 0.05 * height_ && (Exhausted() ? step > height_ : Discontinuous(x0, y0, x1, y1))) Break();
            Emit(x1, y1);
            return;
        }
        const double ym = Eval(xm);
        if (!Defined(ym)) {
            Edge(x0, y0, xm, ym);
            Edge(xm, ym, x1, y1);
            return;
        }
        const bool flat = std::fabs(ym - 0.5 * (y0 + y1)) <= tolerance_;
        if ((flat && depth >= 1) || OutsideTogether(y0, ym, y1)) {
            Emit(xm, ym);
            Emit(x1, y1);
            return;
        }
        Refine(x0, y0, xm, ym, depth + 1);
        Refine(xm, ym, x1, y1, depth + 1);
    }

    // A steep step at the finest level: follows it by halving; it is a break
    // when the step does not shrink with the interval. Records a pole when |f|
    // runs off on the way.
    bool Discontinuous(double x0, double y0, double x1, double y1) {
        const double step = std::fabs(y1 - y0);
        double peak = std::max(std::fabs(y0), std::fabs(y1));
        for (int i = 0; i < ProbeSteps; ++i) {
            const double xm = 0.5 * (x0 + x1);
            if (!(xm > x0 && xm < x1)) break;
            const double ym = Eval(xm);
            if (!Defined(ym)) {
                NotePole(xm, peak);
                return true;
            }
            peak = std::max(peak, std::fabs(ym));
            if (std::fabs(ym - y0) > std::fabs(y1 - ym)) {
                x1 = xm;
                y1 = ym;
            } else {
                x0 = xm;
                y0 = ym;
            }
        }
        const bool jump = std::fabs(y1 - y0) > 0.5 * std::min(step, height_);
        if (jump) NotePole(0.5 * (x0 + x1), peak);
        return jump;
    }

    void NotePole(double x, double peak) {
        if (peak > PoleFactor * height_ + std::max(std::fabs(yMin_), std::fabs(yMax_)))
            if (result_.poles.empty() || std::fabs(result_.poles.back() - x) > 1e-6 * width_)
                result_.poles.push_back(x);
    }

    // One end defined, the other not: halves towards the edge of the domain,
    // draws up to it from the defined side and breaks the curve there.
    void Edge(double x0, double y0, double x1, double y1) {
        const bool leftDefined = Defined(y0);
        double xIn = leftDefined ? x0 : x1, yIn = leftDefined ? y0 : y1;
        double xOut = leftDefined ? x1 : x0;
        double peak = std::fabs(yIn);
        Polyline path;
        for (int i = 0; i < ProbeSteps && !Exhausted(); ++i) {
            const double xm = 0.5 * (xIn + xOut);
            if (!(xm != xIn && xm != xOut)) break;
            const double ym = Eval(xm);
            if (Defined(ym)) {
                xIn = xm;
                yIn = ym;
                peak = std::max(peak, std::fabs(ym));
                path.push_back({xm, ym});
            } else {
                xOut = xm;
            }
        }
        // A pole leaves f undefined at one point only; past an edge such as
        // an overflow f stays undefined.
        if (Defined(Eval(xOut + (xOut - xIn)))) NotePole(xOut, peak);
        if (leftDefined) {
            for (const auto& p : path) Emit(p.x, p.y);
            Break();
        } else {
            Break();
            std::reverse(path.begin(), path.end());
            for (const auto& p : path) Emit(p.x, p.y);
            Emit(x1, y1);
        }
    }

    const RealFunction& f_;
    const SampleLimits limits_;
    double yMin_, yMax_, height_, tolerance_, width_ = 1;
    int evaluations_ = 0;
    Polyline current_;
    Sampling result_;
};

}  // namespace

Sampling SampleFunction(const RealFunction& f, double xMin, double xMax, double yMin, double yMax,
                        const SampleLimits& limits) {
    if (!(xMax > xMin) || !std::isfinite(xMin) || !std::isfinite(xMax)) return {};
    SilentScope quiet;
    return Sampler(f, yMin, yMax, limits).Run(xMin, xMax);
}

std::vector<SamplePoint> SampleGrid(const RealFunction& f, double xMin, double xMax, int count) {
    std::vector<SamplePoint> grid;
    if (count < 2 || !(xMax > xMin)) return grid;
    SilentScope quiet;
    grid.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double x = xMin + (xMax - xMin) * i / (count - 1);
        grid.push_back({x, Value(f, x)});
    }
    return grid;
}
