#pragma once
// TGraphForm: the non-modal graph window. Shows a tab's Graph with Qt Charts:
// wheel and rubber-band zoom (right button or Shift), pan by dragging,
// "Tilpas" back to the default view, export as PNG or SVG and the clipboard.
// Every change of view samples the curves anew. A fit's residuals are drawn
// in a panel below the chart that follows its x range.
#include <QChartView>
#include <QWidget>

#include <string>

#include "Graph.h"

class QLabel;
class QRubberBand;
class QStackedWidget;

// The chart view with the graph's mouse handling; reports views in graph values.
class TGraphChartView : public QChartView {
    Q_OBJECT

public:
    explicit TGraphChartView(QWidget* parent = nullptr);
    void SetView(const View& view) { view_ = view; }

signals:
    void viewRequested(View view, bool resample);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF ToValue(QPointF pixel) const;

    View view_;
    bool panning_ = false;
    QPoint panStart_;
    View panStartView_;
    QRubberBand* band_ = nullptr;
    QPoint bandStart_;
};

class TGraphForm : public QWidget {
    Q_OBJECT

public:
    explicit TGraphForm(QWidget* parent = nullptr);

    // Shows a new graph in its default view.
    void ShowGraph(Graph graph);
    const View& CurrentView() const { return view_; }
    QChartView* ChartView() const;
    QChartView* ResidualView() const;  // hidden when the graph has no residuals
    QString Message() const;  // the text shown instead of a graph, or ""

    // Writes the picture as SVG (by the suffix .svg) or PNG, the PNG drawn at
    // scale times the window's pixels (sharp on paper); "" or the problem.
    QString SaveImage(const QString& path, int scale = DefaultImageScale) const;
    static constexpr int DefaultImageScale = 2;
    void CopyImage() const;

    void TilpasButtonClick();

    // Beside the given window, on its screen and inside it, at any scale factor.
    void PlaceBesideWindow(const QWidget& main);

private:
    void SetView(const View& view, bool resample);
    void Replot();
    void GemSomBilledeButtonClick();

    Graph graph_;
    View view_;
    TGraphChartView* chartView_ = nullptr;
    QChartView* residualView_ = nullptr;
    QWidget* plots_ = nullptr;  // the chart with the residual panel below it
    QLabel* message_ = nullptr;
    QLabel* status_ = nullptr;
    QStackedWidget* stack_ = nullptr;
};

// Where a window of the given frame size goes beside the main window's frame:
// right of it, else left of it, else over its right part; always inside the
// screen's available area, and made smaller where the screen is smaller.
QRect PlaceBeside(const QRect& mainFrame, QSize frameSize, const QRect& available);

// The chart of a sampled graph in a view: curves, marks, area, asymptotes, axes.
QChart* BuildChart(const Graph& graph, const Plot& plot, const View& view);

// The residual panel: the residuals and the line r = 0 in the chart's x range.
QChart* BuildResidualChart(const GraphResiduals& residuals, const View& view);

// The view widened to round tick values, as the axes would show it.
View NiceView(const View& view);

// kvadrix-cli plot: draws the graph without a screen into a PNG or SVG file
// (by the suffix). Returns "" or the problem; a graph with a message is drawn
// as that message and the message returned.
std::string PlotToFile(const Graph& graph, const std::string& path);
