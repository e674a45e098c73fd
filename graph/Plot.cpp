// The default view of a graph and its sampling for one view.
#include <algorithm>
#include <cmath>

#include "Graph.h"

namespace {

constexpr double HomeHalfWidth = 10;   // x range looked over for roots and turning points
constexpr int SurveyPoints = 401;
constexpr double MaxCoordinate = 1e100;
constexpr double RobustShare = 0.04;   // heights this rare at either end are left out of view (poles)
constexpr double ResidualPad = 1.15;   // room above the largest residual
constexpr double ResidualFloor = 1e-3; // of the data's size: smaller residuals are not magnified

void AddFeatures(const RealFunction& f, std::vector<double>& keys) {
    const auto grid = SampleGrid(f, -HomeHalfWidth, HomeHalfWidth, SurveyPoints);
    std::vector<double> heights;
    for (const auto& p : grid)
        if (!std::isnan(p.y)) heights.push_back(std::fabs(p.y));
    if (heights.empty()) return;
    std::sort(heights.begin(), heights.end());
    // A sign change between two large values is a pole, not a root.
    const double large = 4 * heights[heights.size() * 3 / 4] + 1e-12;
    for (std::size_t i = 1; i < grid.size(); ++i) {
        const auto &a = grid[i - 1], &b = grid[i];
        if (std::isnan(a.y) != std::isnan(b.y)) keys.push_back(std::isnan(a.y) ? b.x : a.x);  // domain edge
        if (std::isnan(a.y) || std::isnan(b.y)) continue;
        if ((a.y < 0) != (b.y < 0) && std::min(std::fabs(a.y), std::fabs(b.y)) < large) keys.push_back(a.x);
        if (i + 1 < grid.size() && !std::isnan(grid[i + 1].y)) {
            const double left = b.y - a.y, right = grid[i + 1].y - b.y;
            if ((left > 0 && right < 0) || (left < 0 && right > 0)) keys.push_back(b.x);
        }
    }
}

// Cuts a piece where it leaves the band [low, high], so that no toolkit has
// to draw towards the enormous values next to a pole.
void ClipInto(const Polyline& piece, double low, double high, std::vector<Polyline>& out) {
    Polyline current;
    auto flush = [&] {
        if (current.size() > 1) out.push_back(std::move(current));
        current.clear();
    };
    auto inside = [&](double y) { return y >= low && y <= high; };
    auto crossing = [&](const SamplePoint& a, const SamplePoint& b, double level) {
        return SamplePoint{a.x + (b.x - a.x) * (level - a.y) / (b.y - a.y), level};
    };
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const SamplePoint& p = piece[i];
        if (i == 0) {
            if (inside(p.y)) current.push_back(p);
            continue;
        }
        const SamplePoint& q = piece[i - 1];
        const bool in = inside(p.y), wasIn = inside(q.y);
        if (wasIn && in) {
            current.push_back(p);
        } else if (wasIn) {
            current.push_back(crossing(q, p, p.y > high ? high : low));
            flush();
        } else if (in) {
            current.push_back(crossing(q, p, q.y > high ? high : low));
            current.push_back(p);
        } else if ((q.y > high && p.y < low) || (q.y < low && p.y > high)) {
            current.push_back(crossing(q, p, q.y > high ? high : low));
            current.push_back(crossing(q, p, p.y > high ? high : low));
            flush();
        }
    }
    flush();
}

std::vector<Polyline> SampleClipped(const RealFunction& f, double xMin, double xMax, const View& view,
                                    std::vector<double>* poles = nullptr) {
    const Sampling sampling = SampleFunction(f, xMin, xMax, view.yMin, view.yMax);
    const double margin = view.yMax - view.yMin;
    std::vector<Polyline> pieces;
    for (const auto& piece : sampling.pieces) ClipInto(piece, view.yMin - margin, view.yMax + margin, pieces);
    if (poles) *poles = sampling.poles;
    return pieces;
}

}  // namespace

View DefaultView(const Graph& graph) {
    View view;
    std::vector<double> keys;
    // Coordinates beyond this would leave no room for the view's own arithmetic.
    const auto usable = [](double v) { return std::fabs(v) < MaxCoordinate; };
    for (const auto& marks : graph.marks)
        for (const auto& p : marks.points)
            if (usable(p.x)) keys.push_back(p.x);
    if (graph.area && usable(graph.area->from) && usable(graph.area->to)) {
        keys.push_back(graph.area->from);
        keys.push_back(graph.area->to);
    }
    for (const auto& curve : graph.curves)
        if (curve.framesView) AddFeatures(curve.f, keys);
    if (!keys.empty()) {
        const auto [lo, hi] = std::minmax_element(keys.begin(), keys.end());
        const double span = *hi - *lo, pad = std::max(0.15 * span, 1.0);
        view.xMin = *lo - pad;
        view.xMax = *hi + pad;
        if (view.xMax - view.xMin < 4) {
            const double middle = 0.5 * (view.xMin + view.xMax);
            view.xMin = middle - 2;
            view.xMax = middle + 2;
        }
    }

    std::vector<double> heights;
    for (const auto& curve : graph.curves)
        if (curve.framesView)
            for (const auto& p : SampleGrid(curve.f, view.xMin, view.xMax, SurveyPoints))
                if (!std::isnan(p.y)) heights.push_back(p.y);
    double low = 0, high = 0;
    bool any = false;
    if (!heights.empty()) {
        std::sort(heights.begin(), heights.end());
        const std::size_t cut = static_cast<std::size_t>(RobustShare * heights.size());
        low = heights[cut];
        high = heights[heights.size() - 1 - cut];
        any = true;
    }
    for (const auto& marks : graph.marks)
        for (const auto& p : marks.points) {
            if (!usable(p.x) || !usable(p.y)) continue;
            low = any ? std::min(low, p.y) : p.y;
            high = any ? std::max(high, p.y) : p.y;
            any = true;
        }
    if (!any) return view;
    // The x-axis in view when it is near.
    const double span = high - low;
    if (low > 0 && low < span) low = 0;
    if (high < 0 && -high < span) high = 0;
    if (high - low < 1e-9 * std::max(1.0, std::fabs(high))) {
        const double half = std::max(1.0, 0.5 * std::fabs(high));
        low -= half;
        high += half;
    }
    const double pad = 0.08 * (high - low);
    view.yMin = low - pad;
    view.yMax = high + pad;
    return view;
}

Plot PlotGraph(const Graph& graph, const View& view) {
    Plot plot;
    plot.message = graph.message;
    if (!plot.message.empty()) return plot;
    for (const auto& curve : graph.curves) {
        std::vector<double> poles;
        plot.curves.push_back({curve.name, SampleClipped(curve.f, view.xMin, view.xMax, view, &poles)});
        if (curve.asymptotes)
            for (double x : poles)
                if (x > view.xMin && x < view.xMax) plot.asymptotes.push_back(x);
    }
    if (graph.area && graph.area->curve < static_cast<int>(graph.curves.size())) {
        const double from = std::max(graph.area->from, view.xMin), to = std::min(graph.area->to, view.xMax);
        if (to > from) plot.area = SampleClipped(graph.curves[graph.area->curve].f, from, to, view);
    }
    if (!plot.curves.empty() && plot.curves[0].pieces.empty())
        plot.message = plot.curves[0].name + " kan ikke udregnes nogen steder i det viste omr\xE5" "de.";
    return plot;
}

View ResidualView(const GraphResiduals& residuals, const View& view) {
    double largest = 0;
    for (const auto& p : residuals.points)
        if (std::fabs(p.y) < MaxCoordinate) largest = std::max(largest, std::fabs(p.y));
    // An exact fit leaves only the rounding of the shown coefficients; the
    // floor keeps that from filling the panel.
    double half = std::max(ResidualPad * largest, ResidualFloor * std::min(residuals.scale, MaxCoordinate));
    if (!(half > 0)) half = 1;
    return View{view.xMin, view.xMax, -half, half};
}
