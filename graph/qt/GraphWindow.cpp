#include "GraphWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <unistd.h>
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRubberBand>
#include <QScreen>
#include <QScatterSeries>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "Cp1252.h"

namespace {

constexpr double WheelStep = 1.25;   // zoom factor per wheel notch
constexpr int MinimumBand = 6;       // pixels a rubber band needs to zoom
constexpr int ImageWidth = 800, ImageHeight = 600;
constexpr int TitleFormulaLength = 80;  // longer formulas are cut in the title
constexpr int ResidualImageHeight = 240;  // the residual panel below the picture
constexpr int ResidualShare = 3;          // the chart is this many times the panel's height

QString ToQt(std::string_view cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

const QColor CurveColors[] = {QColor(0, 90, 200), QColor(210, 40, 40), QColor(20, 150, 60),
                              QColor(230, 130, 0), QColor(130, 60, 170)};
const QColor MarkColors[] = {QColor(0, 0, 0), QColor(200, 0, 120), QColor(0, 140, 140)};

void HideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
}

void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QLineSeries* Line(const Polyline& points, const QPen& pen) {
    auto* series = new QLineSeries;
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points) list.append(QPointF(p.x, p.y));
    series->replace(list);
    series->setPen(pen);
    return series;
}

// The Qt application for drawing without a screen (kvadrix-cli).
// The offscreen platform warns about window-manager features (size hints,
// raising) that a picture drawn to a file never needs; other messages pass.
QtMessageHandler qtMessages = nullptr;
void DropOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (qtMessages) qtMessages(type, context, message);
}

QApplication* OffscreenApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(DropOffscreenNotices);
    // Without a session (a script, a build machine) Qt would warn on stderr
    // about the missing runtime directory; a private one serves as well.
    if (qgetenv("XDG_RUNTIME_DIR").isEmpty()) {
        static QByteArray runtime =
            QDir::tempPath().toLocal8Bit() + "/kvadrix-cli-runtime-" + QByteArray::number(::getuid());
        QDir().mkpath(QString::fromLocal8Bit(runtime));
        QFile::setPermissions(QString::fromLocal8Bit(runtime), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    static char name[] = "kvadrix-cli";
    static char* arguments[] = {name, nullptr};
    static int count = 1;
    static QApplication application(count, arguments);
    return &application;
}

QString SaveView(QWidget* view, const QString& path, int scale) {
    if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(view->size());
        generator.setViewBox(QRect(QPoint(0, 0), view->size()));
        generator.setTitle(QStringLiteral("Kvadrix"));
        QPainter painter;
        if (!painter.begin(&generator)) return QStringLiteral("Kan ikke skrive filen ") + path;
        view->render(&painter);
        painter.end();
        return QFileInfo(path).size() > 0 ? QString() : QStringLiteral("Kan ikke skrive filen ") + path;
    }
    // Drawn anew at the scale rather than enlarged: lines and text stay sharp.
    QImage image(view->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view->render(&painter);
    painter.end();
    image.setDevicePixelRatio(1);
    return image.save(path, "PNG") ? QString() : QStringLiteral("Kan ikke skrive filen ") + path;
}

// 1, 2 or 5 times a power of ten, about a given share of the range.
double TickStep(double range, int ticks) {
    const double raw = range / ticks;
    if (!(raw > 0) || !std::isfinite(raw)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double m = raw / power;
    return (m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10) * power;
}

// Ticks and labels at whole multiples of a round step, computed here: the
// axis's own stepping adds up rounding errors (a label -2.776e-16 for 0).
QString TickLabel(double value, double step) {
    if (std::fabs(value) >= 1e6 || step < 1e-4) return QString::number(value, 'g', 4);
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    return QString::number(value, 'f', decimals);
}

void SetTicks(QCategoryAxis* axis, double min, double max, int ticks) {
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    axis->setRange(min, max);
    const double step = TickStep(max - min, ticks);
    axis->setStartValue(min - step);
    const double first = std::ceil(min / step), last = std::floor(max / step);
    for (double k = first; k <= last && k - first < 100; ++k) {
        const double value = k == 0 ? 0.0 : k * step;
        axis->append(TickLabel(value, step), value);
    }
}

constexpr int XTicks = 10, YTicks = 8, ResidualTicks = 4;

// The chart above, the residual panel below it without a gap.
QWidget* StackPlots(QWidget* parent, QChartView* chart, QChartView* residuals) {
    auto* plots = new QWidget(parent);
    auto* layout = new QVBoxLayout(plots);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(chart, ResidualShare);
    layout->addWidget(residuals, 1);
    return plots;
}

// The residual panel's view: round ticks on r, the chart's own x range.
View PanelView(const GraphResiduals& residuals, const View& chart) {
    View panel = NiceView(ResidualView(residuals, chart));
    panel.xMin = chart.xMin;
    panel.xMax = chart.xMax;
    return panel;
}

// Lines up the plot areas of the chart and the residual panel below it, so
// that an x sits at the same pixel in both: the one whose axis labels are
// narrower gets the difference as extra left margin.
void AlignLeftEdges(QChart* top, QChart* bottom) {
    const auto align = [top, bottom] {
        const double d = bottom->plotArea().left() - top->plotArea().left();
        if (std::fabs(d) < 0.5) return;
        QChart* narrower = d > 0 ? top : bottom;
        QMargins margins = narrower->margins();
        margins.setLeft(margins.left() + static_cast<int>(std::lround(std::fabs(d))));
        narrower->setMargins(margins);
    };
    QObject::connect(top, &QChart::plotAreaChanged, bottom, align);
    QObject::connect(bottom, &QChart::plotAreaChanged, top, align);
}

// Sets the bottom axis of a chart to an x range.
void SetXTicks(QChart* chart, double xMin, double xMax) {
    if (!chart) return;
    const auto axes = chart->axes(Qt::Horizontal);
    for (QAbstractAxis* axis : axes)
        if (auto* value = qobject_cast<QCategoryAxis*>(axis)) SetTicks(value, xMin, xMax, XTicks);
}

// The page's caption and the formula drawn: "y=f(x): f(x) = x^2-2*x".
QString ChartTitle(const Graph& graph) {
    QString title = ToQt(graph.title);
    for (const GraphCurve& curve : graph.curves) {
        if (curve.formula.empty()) continue;
        const QString name = ToQt(curve.name), formula = ToQt(curve.formula);
        // A curve named by its equation ("y = 1.8*x+1") is not written twice.
        QString shown = name.endsWith(formula) ? name : name + QStringLiteral(" = ") + formula;
        if (shown.size() > TitleFormulaLength) shown = shown.left(TitleFormulaLength - 1) + QChar(0x2026);
        title += QStringLiteral(": ") + shown;
        break;
    }
    return title;
}

}  // namespace

QRect PlaceBeside(const QRect& mainFrame, QSize frameSize, const QRect& available) {
    constexpr int Gap = 8;
    const QSize size = frameSize.boundedTo(available.size());
    int x = mainFrame.right() + 1 + Gap;
    if (x + size.width() > available.right() + 1) {
        x = mainFrame.left() - Gap - size.width();
        if (x < available.left()) x = available.right() + 1 - size.width();
    }
    const int y = std::clamp(mainFrame.top(), available.top(), available.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

View NiceView(const View& view) {
    const double sx = TickStep(view.xMax - view.xMin, XTicks), sy = TickStep(view.yMax - view.yMin, YTicks);
    return View{std::floor(view.xMin / sx) * sx, std::ceil(view.xMax / sx) * sx,
                std::floor(view.yMin / sy) * sy, std::ceil(view.yMax / sy) * sy};
}

QChart* BuildChart(const Graph& graph, const Plot& plot, const View& view) {
    auto* chart = new QChart;
    chart->setTitle(ChartTitle(graph));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* x = new QCategoryAxis;
    auto* y = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    SetTicks(x, view.xMin, view.xMax, XTicks);
    SetTicks(y, view.yMin, view.yMax, YTicks);
    x->setTitleText(QStringLiteral("x"));
    y->setTitleText(QStringLiteral("y"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    // The coordinate axes through (0,0) where they are in view.
    const QPen axisPen(QColor(90, 90, 90), 1);
    if (view.yMin < 0 && view.yMax > 0) {
        auto* s = Line({{view.xMin, 0}, {view.xMax, 0}}, axisPen);
        Attach(chart, s, x, y);
        HideFromLegend(chart, s);
    }
    if (view.xMin < 0 && view.xMax > 0) {
        auto* s = Line({{0, view.yMin}, {0, view.yMax}}, axisPen);
        Attach(chart, s, x, y);
        HideFromLegend(chart, s);
    }

    if (!plot.area.empty()) {
        QColor fill = CurveColors[0];
        fill.setAlpha(60);
        for (const Polyline& piece : plot.area) {
            Polyline base;
            for (const auto& p : piece) base.push_back({p.x, 0});
            auto* upper = Line(piece, QPen(Qt::NoPen));
            auto* lower = Line(base, QPen(Qt::NoPen));
            auto* area = new QAreaSeries(upper, lower);
            upper->setParent(area);
            lower->setParent(area);
            area->setBrush(fill);
            area->setPen(QPen(Qt::NoPen));
            Attach(chart, area, x, y);
            HideFromLegend(chart, area);
        }
        if (graph.area) {
            auto* label = new QGraphicsSimpleTextItem(ToQt(graph.area->label), chart);
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
            auto place = [chart, label] { label->setPos(chart->plotArea().topLeft() + QPointF(8, 6)); };
            QObject::connect(chart, &QChart::plotAreaChanged, chart, place);
            place();
        }
    }

    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        const QPen pen(CurveColors[i % std::size(CurveColors)], 2);
        bool first = true;
        for (const Polyline& piece : plot.curves[i].pieces) {
            auto* s = Line(piece, pen);
            s->setName(ToQt(plot.curves[i].name));
            Attach(chart, s, x, y);
            if (!first) HideFromLegend(chart, s);
            first = false;
        }
    }

    QPen dashed(QColor(120, 120, 120), 1, Qt::DashLine);
    for (std::size_t i = 0; i < plot.asymptotes.size(); ++i) {
        const double a = plot.asymptotes[i];
        auto* s = Line({{a, view.yMin}, {a, view.yMax}}, dashed);
        s->setName(QStringLiteral("Lodret asymptote"));
        Attach(chart, s, x, y);
        if (i > 0) HideFromLegend(chart, s);
    }

    for (std::size_t i = 0; i < graph.marks.size(); ++i) {
        auto* s = new QScatterSeries;
        s->setName(ToQt(graph.marks[i].name));
        s->setMarkerSize(10);
        s->setColor(MarkColors[i % std::size(MarkColors)]);
        s->setBorderColor(Qt::white);
        for (const auto& p : graph.marks[i].points) s->append(p.x, p.y);
        Attach(chart, s, x, y);
    }
    return chart;
}

QChart* BuildResidualChart(const GraphResiduals& residuals, const View& view) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignTop);
    auto* x = new QCategoryAxis;
    auto* y = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    SetTicks(x, view.xMin, view.xMax, XTicks);
    SetTicks(y, view.yMin, view.yMax, ResidualTicks);
    y->setTitleText(QStringLiteral("r"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    auto* zero = Line({{view.xMin, 0}, {view.xMax, 0}}, QPen(QColor(90, 90, 90), 1));
    Attach(chart, zero, x, y);
    HideFromLegend(chart, zero);
    auto* points = new QScatterSeries;
    points->setName(ToQt(residuals.name));
    points->setMarkerSize(8);
    points->setColor(MarkColors[0]);
    points->setBorderColor(Qt::white);
    for (const auto& p : residuals.points) points->append(p.x, p.y);
    Attach(chart, points, x, y);
    return chart;
}

TGraphChartView::TGraphChartView(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);  // our own: the left button pans
}

QPointF TGraphChartView::ToValue(QPointF pixel) const {
    const QRectF area = chart()->plotArea();
    const QPointF p = chart()->mapFromScene(mapToScene(pixel.toPoint()));
    const double fx = (p.x() - area.left()) / area.width();
    const double fy = (area.bottom() - p.y()) / area.height();
    return {view_.xMin + fx * (view_.xMax - view_.xMin), view_.yMin + fy * (view_.yMax - view_.yMin)};
}

void TGraphChartView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0 || !chart()->plotArea().isValid()) return;
    const double factor = std::pow(WheelStep, -std::clamp(steps, -8, 8));
    const QPointF at = ToValue(event->position());
    View v = view_;
    v.xMin = at.x() + (v.xMin - at.x()) * factor;
    v.xMax = at.x() + (v.xMax - at.x()) * factor;
    v.yMin = at.y() + (v.yMin - at.y()) * factor;
    v.yMax = at.y() + (v.yMax - at.y()) * factor;
    emit viewRequested(v, true);
    event->accept();
}

void TGraphChartView::mousePressEvent(QMouseEvent* event) {
    const bool zoom = event->button() == Qt::RightButton ||
                      (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (zoom) {
        if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, this);
        bandStart_ = event->position().toPoint();
        band_->setGeometry(QRect(bandStart_, QSize()));
        band_->show();
    } else if (event->button() == Qt::LeftButton) {
        panning_ = true;
        panStart_ = event->position().toPoint();
        panStartView_ = view_;
        setCursor(Qt::ClosedHandCursor);
    }
    event->accept();
}

void TGraphChartView::mouseMoveEvent(QMouseEvent* event) {
    if (band_ && band_->isVisible()) {
        band_->setGeometry(QRect(bandStart_, event->position().toPoint()).normalized());
    } else if (panning_) {
        const QRectF area = chart()->plotArea();
        if (area.width() <= 0 || area.height() <= 0) return;
        const QPoint d = event->position().toPoint() - panStart_;
        const double dx = d.x() / area.width() * (panStartView_.xMax - panStartView_.xMin);
        const double dy = d.y() / area.height() * (panStartView_.yMax - panStartView_.yMin);
        emit viewRequested(View{panStartView_.xMin - dx, panStartView_.xMax - dx, panStartView_.yMin + dy,
                                panStartView_.yMax + dy},
                           false);
    }
    event->accept();
}

void TGraphChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (band_ && band_->isVisible()) {
        band_->hide();
        const QRect r = band_->geometry();
        if (r.width() >= MinimumBand && r.height() >= MinimumBand) {
            const QPointF a = ToValue(r.topLeft()), b = ToValue(r.bottomRight());
            emit viewRequested(View{a.x(), b.x(), b.y(), a.y()}, true);
        }
    } else if (panning_) {
        panning_ = false;
        unsetCursor();
        emit viewRequested(view_, true);
    }
    event->accept();
}

TGraphForm::TGraphForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("GrafForm"));
    setWindowTitle(QStringLiteral("Kvadrix - Graf"));
    resize(640, 480);

    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const char* name, const QString& caption, std::function<void()> click) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, std::move(click));
        buttons->addWidget(button);
    };
    addButton("TilpasButton", QStringLiteral("&Tilpas"), [this] { TilpasButtonClick(); });
    addButton("GemSomBilledeButton", QStringLiteral("&Gem som billede..."), [this] { GemSomBilledeButtonClick(); });
    addButton("KopierButton", QString::fromUtf8("&Kopiér"), [this] { CopyImage(); });
    buttons->addStretch(1);
    layout->addLayout(buttons);

    stack_ = new QStackedWidget(this);
    chartView_ = new TGraphChartView;
    chartView_->setObjectName(QStringLiteral("GrafView"));
    residualView_ = new QChartView;
    residualView_->setObjectName(QStringLiteral("ResidualView"));
    residualView_->setRenderHint(QPainter::Antialiasing);
    residualView_->hide();
    plots_ = StackPlots(stack_, chartView_, residualView_);
    message_ = new QLabel(stack_);
    message_->setObjectName(QStringLiteral("GrafMessage"));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    stack_->addWidget(plots_);
    stack_->addWidget(message_);
    layout->addWidget(stack_, 1);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("GrafStatus"));
    layout->addWidget(status_);

    connect(chartView_, &TGraphChartView::viewRequested, this,
            [this](View view, bool resample) { SetView(view, resample); });
}

void TGraphForm::PlaceBesideWindow(const QWidget& main) {
    const QRect frame = main.frameGeometry(), inner = main.geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    const QRect place = PlaceBeside(frame, size().grownBy(margins), main.screen()->availableGeometry());
    resize(place.size().shrunkBy(margins));
    move(place.topLeft());
}

QChartView* TGraphForm::ChartView() const { return chartView_; }

QChartView* TGraphForm::ResidualView() const { return residualView_; }

QString TGraphForm::Message() const { return stack_->currentWidget() == message_ ? message_->text() : QString(); }

void TGraphForm::ShowGraph(Graph graph) {
    graph_ = std::move(graph);
    status_->clear();
    TilpasButtonClick();
}

void TGraphForm::TilpasButtonClick() {
    view_ = graph_.message.empty() ? NiceView(DefaultView(graph_)) : View{};
    Replot();
}

// A view with an empty or reversed range, or beyond double's reach, is refused.
void TGraphForm::SetView(const View& view, bool resample) {
    const double w = view.xMax - view.xMin, h = view.yMax - view.yMin;
    const bool sound = std::isfinite(w) && std::isfinite(h) && w > 1e-12 * (1 + std::fabs(view.xMin)) &&
                       h > 1e-12 * (1 + std::fabs(view.yMin)) && w < 1e12 && h < 1e15;
    if (!sound) return;
    view_ = view;
    if (resample) {
        Replot();
        return;
    }
    // While dragging only the axes move; the curves are sampled on release.
    chartView_->SetView(view_);
    if (QChart* chart = chartView_->chart()) {
        const auto axes = chart->axes();
        for (QAbstractAxis* axis : axes) {
            auto* value = qobject_cast<QCategoryAxis*>(axis);
            if (!value) continue;
            if (value->alignment() == Qt::AlignBottom)
                SetTicks(value, view_.xMin, view_.xMax, XTicks);
            else
                SetTicks(value, view_.yMin, view_.yMax, YTicks);
        }
    }
    if (residualView_->isVisibleTo(this)) SetXTicks(residualView_->chart(), view_.xMin, view_.xMax);
}

void TGraphForm::Replot() {
    const Plot plot = PlotGraph(graph_, view_);
    if (!plot.message.empty()) {
        // A view panned or zoomed away from the curve: the way back is Tilpas.
        const bool viewsFault = graph_.message.empty();
        const QString hint = viewsFault ? QStringLiteral("\nTryk Tilpas for at se standardudsnittet.") : QString();
        message_->setText(ToQt(plot.message) + hint);
        stack_->setCurrentWidget(message_);
        return;
    }
    QChart* old = chartView_->chart();
    chartView_->setChart(BuildChart(graph_, plot, view_));
    delete old;
    chartView_->SetView(view_);
    QChart* oldResiduals = residualView_->chart();
    if (graph_.residuals) {
        residualView_->setChart(BuildResidualChart(*graph_.residuals, PanelView(*graph_.residuals, view_)));
        delete oldResiduals;
        AlignLeftEdges(chartView_->chart(), residualView_->chart());
    }
    residualView_->setVisible(graph_.residuals.has_value());
    stack_->setCurrentWidget(plots_);
}

QString TGraphForm::SaveImage(const QString& path, int scale) const {
    if (stack_->currentWidget() != plots_) return QString::fromUtf8("Der er ingen graf at gemme");
    return SaveView(plots_, path, std::clamp(scale, 1, 4));
}

void TGraphForm::CopyImage() const {
    if (stack_->currentWidget() != plots_) return;
    QApplication::clipboard()->setPixmap(plots_->grab());
    status_->setText(QString::fromUtf8("Grafen er kopieret"));
}

// The file dialog is window-modal and opened asynchronously: the main window
// goes on working while it is open.
void TGraphForm::GemSomBilledeButtonClick() {
    auto* dialog = new QFileDialog(this, QStringLiteral("Gem som billede"), QStringLiteral("graf.png"),
                                   QStringLiteral("PNG-billede (*.png);;SVG-tegning (*.svg)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::filterSelected, dialog,
            [dialog](const QString& filter) { dialog->setDefaultSuffix(filter.contains("svg") ? "svg" : "png"); });
    dialog->setDefaultSuffix(QStringLiteral("png"));
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        const QString problem = SaveImage(path);
        status_->setText(problem.isEmpty() ? QStringLiteral("Gemt: ") + path : problem);
    });
    dialog->open();
}

std::string PlotToFile(const Graph& graph, const std::string& path) {
    OffscreenApplication();
    auto* view = new QChartView;
    auto* residualView = new QChartView;
    const std::unique_ptr<QWidget> plots(StackPlots(nullptr, view, residualView));
    view->setRenderHint(QPainter::Antialiasing);
    residualView->setRenderHint(QPainter::Antialiasing);
    View v = graph.message.empty() ? NiceView(DefaultView(graph)) : View{};
    const Plot plot = PlotGraph(graph, v);
    auto* chart = new QChart;
    if (plot.message.empty()) {
        delete chart;
        chart = BuildChart(graph, plot, v);
    } else {
        chart->setTitle(ToQt(plot.message));
    }
    QChart* initial = view->chart();  // the view's own; setChart hands it back
    view->setChart(chart);
    delete initial;
    const bool residuals = plot.message.empty() && graph.residuals;
    if (residuals) {
        initial = residualView->chart();
        residualView->setChart(BuildResidualChart(*graph.residuals, PanelView(*graph.residuals, v)));
        delete initial;
        AlignLeftEdges(chart, residualView->chart());
    }
    residualView->setVisible(residuals);
    // The chart keeps its size; the residual panel is added below it.
    view->setFixedSize(ImageWidth, ImageHeight);
    residualView->setFixedSize(ImageWidth, ResidualImageHeight);
    plots->setAttribute(Qt::WA_DontShowOnScreen);
    plots->show();
    QCoreApplication::processEvents();
    const QString problem = SaveView(plots.get(), QString::fromStdString(path), 1);
    if (!problem.isEmpty()) return problem.toStdString();
    return Cp1252ToUtf8(plot.message);
}
