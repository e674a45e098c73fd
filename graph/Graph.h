#pragma once
// What the graph window draws for a tab: curves, marked points, a shaded
// area, vertical asymptotes and a fit's residuals. Names and messages are Windows-1252, as the
// engines write them; the graphs of the tabs are built in tabgraph/.
#include <optional>
#include <string>
#include <vector>

#include "Sampler.h"

struct GraphCurve {
    std::string name;         // legend text, as the tab names it ("f(x)", "f'(x)")
    RealFunction f;
    bool asymptotes = false;  // mark its poles as vertical asymptotes
    bool framesView = true;   // counts for the default view (a tangent does not)
    std::string formula{};    // the field's text of the tab's own function, written in the title
};

struct GraphMarks {
    std::string name;         // legend text ("R\xF8" "dder", "Punkter")
    std::vector<SamplePoint> points;
};

struct GraphArea {
    int curve = 0;            // shaded between this curve and the x-axis
    double from = 0, to = 0;
    std::string label;        // written on the graph
};

// A fit's residuals r = y - f(x), one per point, drawn in a panel of their
// own below the chart, around a line at r = 0 and with the chart's x range.
struct GraphResiduals {
    std::string name;         // legend text
    std::vector<SamplePoint> points;  // (x, r)
    double scale = 0;         // the largest |y| of the points: residuals far below it are rounding
};

struct Graph {
    std::string title;
    std::vector<GraphCurve> curves;
    std::vector<GraphMarks> marks;
    std::optional<GraphArea> area;
    std::optional<GraphResiduals> residuals;
    std::string message;      // not empty: shown instead of a graph
};

struct View {
    double xMin = -10, xMax = 10, yMin = -10, yMax = 10;
};

// The interesting part of the graph: its marks, the area's bounds, and the
// roots and turning points of its curves, with their heights in view.
View DefaultView(const Graph& graph);

struct PlotCurve {
    std::string name;
    std::vector<Polyline> pieces;
};

// A graph sampled for one view, ready for a toolkit to draw.
struct Plot {
    std::vector<PlotCurve> curves;           // one per graph curve, same order
    std::vector<Polyline> area;              // the shaded region's upper or lower edges
    std::vector<double> asymptotes;
    std::string message;                     // the graph's, or "cannot be evaluated in view"
};
Plot PlotGraph(const Graph& graph, const View& view);

// The residual panel's view: the x range of the chart's view, r from -h to h
// with every residual inside.
View ResidualView(const GraphResiduals& residuals, const View& view);
