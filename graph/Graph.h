#pragma once
// What the graph window draws for a tab: curves, marked points, a shaded
// area and vertical asymptotes. Names and messages are Windows-1252, as the
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

struct Graph {
    std::string title;
    std::vector<GraphCurve> curves;
    std::vector<GraphMarks> marks;
    std::optional<GraphArea> area;
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
