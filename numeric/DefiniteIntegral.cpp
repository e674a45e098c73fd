#include "DefiniteIntegral.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "CompiledFunction.h"
#include "Host.h"
#include "Simpson.h"
#include "TextUtils.h"

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double Epsilon = std::numeric_limits<double>::epsilon();

// f is first looked at on an even grid; the largest local peaks of |f| (and
// the edges of the places where f is undefined) are then zoomed in on.
constexpr int GridIntervals = 256;
constexpr int MaxCandidates = 24;
// Each zoom step looks at SubIntervals+1 points and keeps two sub-intervals
// around the largest |f|: the bracket shrinks four times per step.
constexpr int SubIntervals = 8;
constexpr int MaxZoomSteps = 60;
// |f| ~ 1/|x - c|^order is integrable only for order < 1; measured orders of
// poles are a little below 1 (1/(x*ln(x)^2), integrable, measures 0.94).
constexpr double DivergentOrder = 0.97;

// Simpson's rule with twice the panels agrees to this (relative above 1), at
// most this many panels: the shown four decimals stand.
constexpr double SimpsonAgreement = 1e-5;
constexpr int MaxSimpsonPanels = 21 * 256;

// Near a singular point F is looked at this many decades closer in turn.
constexpr int MaxDecades = 16;

std::string Place(double x) { return FormatNumber(10, 4, std::fabs(x) < 5e-5 ? 0.0 : x); }

double Magnitude(const CompiledFunction& f, double x, bool& defined) {
    double v = 0;
    defined = f.TryEvaluate(x, v);
    return defined ? std::fabs(v) : Infinity;
}

// Zooms in on the largest |f| within [l, r] (inside [a, b]). A singular point
// where the peak keeps growing as the bracket shrinks, or where the zoom ends
// on a point where f is undefined.
bool Zoom(const CompiledFunction& f, double l, double r, double a, double b, SingularPoint& found) {
    double peaks[MaxZoomSteps], widths[MaxZoomSteps];
    int count = 0;
    double centre = (l + r) / 2;
    bool centreUndefined = false;
    for (int step = 0; step < MaxZoomSteps; ++step) {
        const double width = r - l;
        if (!(width > 16 * Epsilon * std::max(1.0, std::fabs(centre)))) break;
        double best = -1, peak = -1;
        for (int j = 0; j <= SubIntervals; ++j) {
            const double x = j == SubIntervals ? r : l + j * (width / SubIntervals);
            bool defined = false;
            const double m = Magnitude(f, x, defined);
            if (defined) peak = std::max(peak, m);
            if (m > best) {
                best = m;
                centre = x;
                centreUndefined = !defined;
            }
        }
        if (peak >= 0) {
            peaks[count] = peak;
            widths[count++] = width;
        }
        const double half = width / SubIntervals;
        l = std::max(a, centre - half);
        r = std::min(b, centre + half);
    }
    found = {centre, false, 0};
    // Still growing over the last five steps (a bracket a thousand times
    // narrower), and much larger than at the start: a tall but finite peak
    // stops growing once the bracket is narrower than the peak.
    if (count >= 6 && peaks[0] > 0 && peaks[count - 1] >= 4 * peaks[0] && peaks[count - 1] >= 1.1 * peaks[count - 6]) {
        found.unbounded = true;
        // The steepest growth over five steps: close to the point the peak
        // may stop growing where rounding keeps x off the pole.
        for (int i = 0; i + 5 < count; ++i)
            if (peaks[i] > 0)
                found.order = std::max(found.order, std::log(peaks[i + 5] / peaks[i]) / std::log(widths[i] / widths[i + 5]));
        return true;
    }
    return centreUndefined;
}

// F at c, or its limit there where F is undefined at c, when F is continuous
// at c from every side within [lo, hi] (gap: room on each side). The values at
// c + d for d a decade smaller each time must settle geometrically.
bool ContinuousAt(const CompiledFunction& F, double c, double lo, double hi, double gapLeft, double gapRight,
                  double& value) {
    double limits[2];
    int sides = 0;
    for (int side : {-1, 1}) {
        const double room = side < 0 ? std::min(c - lo, gapLeft) : std::min(hi - c, gapRight);
        if (!(room > 0)) continue;
        double previous = 0, difference = Infinity, v = 0;
        int k = 0;
        for (double d = room / 10; k < MaxDecades && d > 64 * Epsilon * std::max(1.0, std::fabs(c)); ++k, d /= 10) {
            if (!F.TryEvaluate(c + side * d, v)) return false;
            if (k > 0) difference = std::fabs(v - previous);
            previous = v;
        }
        if (k < 4 || difference > 1e-5 * (1 + std::fabs(v))) return false;
        limits[sides++] = v;
    }
    if (sides == 0) return false;
    double at = 0;
    const bool defined = F.TryEvaluate(c, at);
    const double reference = defined ? at : limits[0];
    for (int i = 0; i < sides; ++i)
        if (std::fabs(limits[i] - reference) > 1e-5 * (1 + std::fabs(reference))) return false;
    value = reference;
    return true;
}

DefiniteIntegralResult Refuse(const std::string& why) {
    DefiniteIntegralResult r;
    r.refusal = why;
    return r;
}

// The integral from F alone, where f has singular points: F continuous at
// each of them (and at the bounds), F' = f on the pieces between them.
bool FromContinuousAntiderivative(const ExpressionText& FText, const ExpressionText& f, double a, double b,
                                  int panels, const std::vector<SingularPoint>& singular, double& value) {
    const CompiledFunction F(FText);
    const double lo = std::min(a, b), hi = std::max(a, b);
    std::vector<double> points{lo};
    for (const SingularPoint& s : singular) points.push_back(s.at);
    points.push_back(hi);
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    const int count = static_cast<int>(points.size());
    std::vector<double> values(count);
    std::vector<bool> isSingular(count, false);
    for (int i = 0; i < count; ++i) {
        for (const SingularPoint& s : singular) isSingular[i] = isSingular[i] || s.at == points[i];
        bool ok = false;
        if (isSingular[i]) {
            const double left = i > 0 ? points[i] - points[i - 1] : 0, right = i + 1 < count ? points[i + 1] - points[i] : 0;
            ok = ContinuousAt(F, points[i], lo, hi, left, right, values[i]);
        } else {
            ok = F.TryEvaluate(points[i], values[i]);
        }
        if (!ok) {
            AddLogLine("Kontrol: F(x) er ikke kontinuert i x = " + Place(points[i]));
            return false;
        }
    }
    for (int i = 0; i + 1 < count; ++i) {
        const double margin = 1e-4 * (points[i + 1] - points[i]);
        const double l = points[i] + (isSingular[i] ? margin : 0), r = points[i + 1] - (isSingular[i + 1] ? margin : 0);
        if (r > l && !AntiderivativeHoldsOn(FText, f, panels, l, r)) {
            AddLogLine("Kontrol: F(x) er ikke en stamfunktion til f(x) mellem x = " + Place(points[i]) + " og x = " +
                       Place(points[i + 1]));
            return false;
        }
    }
    std::string where;
    for (const SingularPoint& s : singular) where += (where.empty() ? "" : ", ") + Place(s.at);
    AddLogLine("Kontrol: F(x) er kontinuert i x = " + where + " og F'(x) = f(x) p\xE5 resten af intervallet");
    value = CheckedReal(values[count - 1] - values[0]);
    if (a > b) value = -value;
    return true;
}

}  // namespace

std::vector<SingularPoint> FindSingularPoints(const ExpressionText& text, double a, double b) {
    std::vector<SingularPoint> found;
    const double lo = std::min(a, b), hi = std::max(a, b);
    if (!(hi > lo)) return found;
    SilentScope quiet;
    const CompiledFunction f(text);
    double x[GridIntervals + 1], m[GridIntervals + 1];
    bool defined[GridIntervals + 1];
    for (int i = 0; i <= GridIntervals; ++i) {
        x[i] = SimpsonPoint(i, GridIntervals / 2, lo, hi);
        m[i] = Magnitude(f, x[i], defined[i]);
    }
    // Local peaks of |f|, and the edges of runs where f is undefined.
    std::vector<int> candidates;
    for (int i = 0; i <= GridIntervals; ++i) {
        const bool left = i == 0, right = i == GridIntervals;
        if (!defined[i]) {
            if (left || right || defined[i - 1] || defined[i + 1]) candidates.push_back(i);
        } else if ((left || m[i] >= m[i - 1]) && (right || m[i] >= m[i + 1])) {
            candidates.push_back(i);
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(), [&](int i, int j) { return m[i] > m[j]; });
    if (candidates.size() > MaxCandidates) candidates.resize(MaxCandidates);
    for (int i : candidates) {
        SingularPoint s;
        if (!Zoom(f, x[i == 0 ? 0 : i - 1], x[i == GridIntervals ? i : i + 1], lo, hi, s)) continue;
        // A zoom ends within rounding of a bound that is the point itself.
        if (s.at - lo <= 1e-12 * (hi - lo)) s.at = lo;
        if (hi - s.at <= 1e-12 * (hi - lo)) s.at = hi;
        // Zooms from neighbouring peaks end at the same point.
        auto same = std::find_if(found.begin(), found.end(), [&](const SingularPoint& t) {
            return std::fabs(t.at - s.at) <= 1e-6 * (hi - lo);
        });
        if (same == found.end()) {
            found.push_back(s);
        } else if (s.unbounded && (!same->unbounded || s.order > same->order)) {
            *same = s;
        }
    }
    std::sort(found.begin(), found.end(), [](const SingularPoint& s, const SingularPoint& t) { return s.at < t.at; });
    return found;
}

DefiniteIntegralResult DefiniteIntegral(const ExpressionText& f, const ExpressionText& F, double a, double b,
                                        int panels) {
    const std::string undefined = "f(x) er ikke defineret p\xE5 hele intervallet: " + f.Str();
    const std::vector<SingularPoint> singular = FindSingularPoints(f, a, b);
    const SingularPoint* pole = nullptr;
    for (const SingularPoint& s : singular)
        if (s.unbounded && (!pole || s.order > pole->order)) pole = &s;
    if (pole && pole->order >= DivergentOrder) {
        AddLogLine("Kontrol: |f(x)| vokser mindst som 1/|x - " + Place(pole->at) + "| mod x = " + Place(pole->at) +
                   ": integralet eksisterer ikke");
        return Refuse("Integralet eksisterer ikke: f(x) er ubegr\xE6nset n\xE6r x = " + Place(pole->at));
    }
    DefiniteIntegralResult r;
    if (!singular.empty()) {
        // An improper integral that converges, or a gap in f's domain: only
        // an F that is continuous across it bridges it; Simpson's rule never does.
        if (pole)
            AddLogLine("Kontrol: f(x) er ubegr\xE6nset n\xE6r x = " + Place(pole->at) +
                       ", men integrabel: integralet udregnes kun af en kontinuert F(x)");
        else
            AddLogLine("Kontrol: f(x) er ikke defineret i x = " + Place(singular.front().at));
        if (!F.Empty() && FromContinuousAntiderivative(F, f, a, b, panels, singular, r.value)) {
            r.shown = true;
            return r;
        }
        if (pole) return Refuse("Integralet kan ikke udregnes: f(x) er ubegr\xE6nset n\xE6r x = " + Place(pole->at));
        return Refuse(undefined);
    }
    AddLogLine("Kontrol: f(x) er begr\xE6nset p\xE5 intervallet (" + std::to_string(GridIntervals + 1) +
               " punkter og toppene af |f(x)| unders\xF8gt)");
    if (!F.Empty()) {
        double Fa = 0, Fb = 0;
        if (!TryEvaluate(F, a, Fa) || !TryEvaluate(F, b, Fb)) {
            AddLogLine("F(x) kan ikke udregnes i gr\xE6nserne");
        } else if (!AntiderivativeHoldsOn(F, f, panels, a, b)) {
            AddLogLine("F(x) er ikke en stamfunktion til f(x) p\xE5 hele intervallet");
        } else {
            AddLogLine("Kontrol: F(x) stemmer med f(x) p\xE5 hele intervallet");
            r.shown = true;
            r.value = Fb - Fa;
            return r;
        }
    }
    r.numeric = true;
    r.panels = panels;
    AddLogLine("Integralet udregnes numerisk");
    if (!DefinedAtSimpsonPoints(f, panels, a, b)) {
        DefiniteIntegralResult refused = Refuse(undefined);
        refused.numeric = true;
        return refused;
    }
    AddLogLine("Kontrol: f(x) er defineret i alle " + std::to_string(2 * panels + 1) + " punkter");
    // The rule with twice the panels must agree, else the panels are doubled:
    // a steep f (x^x, asin(x) at 1) needs more than the first panels.
    double value = SimpsonIntegral(f, panels, a, b);
    for (int n = panels; !ErrorFlag && n <= MaxSimpsonPanels; n *= 2) {
        if (!DefinedAtSimpsonPoints(f, 2 * n, a, b)) {
            DefiniteIntegralResult refused = Refuse(undefined);
            refused.numeric = true;
            return refused;
        }
        const double finer = SimpsonIntegral(f, 2 * n, a, b);
        if (ErrorFlag) break;
        if (std::fabs(finer - value) <= SimpsonAgreement * std::max(1.0, std::fabs(value))) {
            AddLogLine("Kontrol: Simpsons regel med " + std::to_string(2 * n) + " paneler giver det samme (" +
                       std::to_string(n) + " paneler)");
            r.value = value;
            r.panels = n;
            r.shown = true;
            return r;
        }
        value = finer;
    }
    if (ErrorFlag) return r;
    AddLogLine("Kontrol: Simpsons regel falder ikke til ro med flere paneler; integralet vises ikke");
    DefiniteIntegralResult refused = Refuse("Integralet kan ikke udregnes numerisk med sikkerhed: " + f.Str());
    refused.numeric = true;
    return refused;
}
