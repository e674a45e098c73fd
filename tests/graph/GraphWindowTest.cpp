// The graph window offscreen: each tab's graph with the right series, the
// window beside the main window (Ctrl+G, never modal, follows the pages),
// zoom and Tilpas, and the PNG and SVG export.
#include <QtCharts>
#include <QtTest>
#include <QtWidgets>

#include <memory>

#include "CaseFile.h"
#include "Cp1252.h"
#include "GraphLink.h"
#include "TabGraphs.h"
#include "GraphWindow.h"
#include "Host.h"
#include "KvadrixForm.h"

namespace {

QString ToQ(std::string_view cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

// "Control=text" sets a field; a spin edit takes the number, a radio button is chosen.
void Fill(Form& form, const QStringList& fields) {
    for (const QString& field : fields) {
        const auto name = field.section('=', 0, 0).toStdString();
        const QString value = field.section('=', 1);
        const ControlInfo* info = FindControl(name);
        QVERIFY2(info, name.c_str());
        Control& c = info->get(form);
        if (info->kind == ControlKind::SpinEdit) {
            c.value = value.toInt();
        } else if (info->kind == ControlKind::RadioButton) {
            for (const ControlInfo& other : ControlTable)
                if (other.page == info->page && other.kind == ControlKind::RadioButton) other.get(form).checked = false;
            c.checked = true;
        } else {
            c.text = Utf8ToCp1252(value.toStdString());
        }
    }
}

QStringList LegendNames(QChart* chart) {
    QStringList names;
    for (QLegendMarker* m : chart->legend()->markers())
        if (m->isVisible()) names << m->label();
    return names;
}

template <class T>
int CountSeries(QChart* chart) {
    int n = 0;
    for (QAbstractSeries* s : chart->series()) n += qobject_cast<T*>(s) != nullptr;
    return n;
}

// Shows the graph of f(x) in a 640 x 480 window.
bool ShowFunction(TGraphForm& graph, const QString& f) {
    Form form;
    Fill(form, {"f_x_Edit=" + f});
    graph.resize(640, 480);
    graph.show();
    if (!QTest::qWaitForWindowExposed(&graph)) return false;
    graph.ShowGraph(BuildGraph(form, FunktionTabSheet));
    return true;
}

struct TabCase {
    QString name;
    Page page;
    QStringList fields, legend;
    int areas;
    QString message;
    QList<double> residuals;  // in the panel below the chart, by x
};

// The cases of data/tabs.tsv; each page is its first field's.
const QList<TabCase>& TabCases() {
    static const QList<TabCase> cases = [] {
        QList<TabCase> list;
        for (const CaseRow& row : ReadCaseTable("graph/data/tabs.tsv", "Graph")) {
            QStringList fields;
            for (std::size_t i = 5; i < row.size(); ++i) fields << QString::fromStdString(row[i]);
            const ControlInfo* first = FindControl(fields.value(0).section('=', 0, 0).toStdString());
            QList<double> residuals;
            for (const QString& r : QString::fromStdString(row[4]).split(" | ", Qt::SkipEmptyParts))
                residuals << r.toDouble();
            list.append({QString::fromStdString(row[0]), first ? first->page : LogTabSheet, fields,
                         QString::fromStdString(row[3]).split(" | ", Qt::SkipEmptyParts), std::stoi(row[1]),
                         QString::fromStdString(row[2]), residuals});
        }
        return list;
    }();
    return cases;
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { ErrorFlag = false; }

    void eachTabsGraph_data() {
        QTest::addColumn<int>("index");
        QVERIFY(TabCases().size() >= 9);
        for (int i = 0; i < TabCases().size(); ++i) QTest::newRow(qPrintable(TabCases()[i].name)) << i;
    }
    void eachTabsGraph() {
        QFETCH(int, index);
        const auto& [name, page, fields, legend, areas, message, residuals] = TabCases()[index];
        Form form;
        Fill(form, fields);
        TGraphForm graph;
        graph.ShowGraph(BuildGraph(form, page));
        QCOMPARE(graph.Message().section('\n', 0, 0), message);
        if (!message.isEmpty()) return;
        QChart* chart = graph.ChartView()->chart();
        QVERIFY2(chart->title().startsWith(ToQ(Pages[page].caption)), qPrintable(chart->title()));
        // The tab's own function in the title; the regression line is named by its equation.
        const bool formula = std::any_of(fields.begin(), fields.end(), [&](const QString& field) {
            return chart->title().endsWith(" = " + field.section('=', 1));
        });
        QVERIFY2(formula || page == RegressionTabSheet, qPrintable(chart->title()));
        QVERIFY2(chart->title().count(" = ") == 1, qPrintable(chart->title()));  // the equation once
        QCOMPARE(LegendNames(chart), legend);
        QStringList axes;
        for (QAbstractAxis* axis : chart->axes()) axes << QString::number(axis->alignment()) + axis->titleText();
        QCOMPARE(axes, QStringList({QString::number(Qt::AlignBottom) + "x", QString::number(Qt::AlignLeft) + "y"}));
        QCOMPARE(CountSeries<QAreaSeries>(chart), areas);
        QVERIFY(CountSeries<QLineSeries>(chart) >= 1);
        // The residual panel: each point's y minus the shown fit, around a line at 0.
        QCOMPARE(!graph.ResidualView()->isHidden(), !residuals.isEmpty());
        if (!residuals.isEmpty()) {
            QChart* panel = graph.ResidualView()->chart();
            QCOMPARE(LegendNames(panel), QStringList{"Residualer r = y - f(x)"});
            QList<QPointF> drawn, zero;
            for (QAbstractSeries* s : panel->series()) {
                if (auto* scatter = qobject_cast<QScatterSeries*>(s)) drawn = scatter->points();
                else if (auto* line = qobject_cast<QLineSeries*>(s)) zero = line->points();
            }
            QCOMPARE(drawn.size(), residuals.size());
            for (int i = 0; i < drawn.size(); ++i)
                QVERIFY2(std::fabs(drawn[i].y() - residuals[i]) < 1e-4, qPrintable(QString::number(drawn[i].y())));
            QVERIFY(zero.size() == 2 && zero[0].y() == 0 && zero[1].y() == 0);
            const auto y = panel->axes(Qt::Vertical).value(0);
            QVERIFY(y && qobject_cast<QCategoryAxis*>(y)->min() < 0 && qobject_cast<QCategoryAxis*>(y)->max() > 0);
        }
        if (areas) {
            const auto items = chart->childItems();
            bool written = false;
            for (QGraphicsItem* item : items)
                if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item))
                    written = written || text->text() == "Bestemt Integral = 9.0000";
            QVERIFY2(written, "the definite integral is written on the graph");
        }
    }

    // Ctrl+G opens one graph window; it is not modal, follows the current
    // page and what the page computes, and closing it loses nothing.
    void menuOpensAWindowThatFollows() {
        TKvadrixForm window;
        LinkGraphWindow(window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
        TGraphForm* graph = GraphWindowOf(window);
        QVERIFY(graph && graph->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(graph->isWindow());

        auto* pages = window.findChild<QTabWidget*>("KvadrixPageControl");
        pages->setCurrentIndex(FunktionTabSheet);
        auto* edit = window.findChild<QLineEdit*>("f_x_Edit");
        window.activateWindow();
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(edit, "x^2-4");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(graph->Message(), QString());
        QCOMPARE(LegendNames(graph->ChartView()->chart()), QStringList{"f(x)"});
        QTest::keyClicks(window.findChild<QLineEdit*>("x0Edit"), "3");  // x0Edit has the focus now
        QTest::keyClick(window.findChild<QLineEdit*>("x0Edit"), Qt::Key_Return);
        QCOMPARE(LegendNames(graph->ChartView()->chart()), (QStringList{"f(x)", "(x0, f(x0))"}));

        pages->setCurrentIndex(LogTabSheet);
        QCOMPARE(graph->Message(), QString::fromUtf8("Denne fane har ingen graf."));
        graph->close();
        pages->setCurrentIndex(FunktionTabSheet);
        window.findChild<QAction*>("VisGrafMenuItem")->trigger();
        QCOMPARE(GraphWindowOf(window), graph);
        QVERIFY(graph->isVisible());
        QCOMPARE(edit->text(), QString("x^2-4"));
        QCOMPARE(LegendNames(graph->ChartView()->chart()), (QStringList{"f(x)", "(x0, f(x0))"}));
    }

    void wheelZoomsAndTilpasReturns() {
        TGraphForm graph;
        QVERIFY(ShowFunction(graph, "x^2"));
        const View home = graph.CurrentView();
        QWidget* viewport = graph.ChartView()->viewport();
        const QPointF centre = viewport->rect().center();
        QWheelEvent wheel(centre, viewport->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        const View zoomed = graph.CurrentView();
        QVERIFY(zoomed.xMax - zoomed.xMin < 0.9 * (home.xMax - home.xMin));
        QTest::mouseClick(graph.findChild<QPushButton*>("TilpasButton"), Qt::LeftButton);
        QCOMPARE(graph.CurrentView().xMin, home.xMin);
        QCOMPARE(graph.CurrentView().yMax, home.yMax);
    }

    // Dragging with the left button pans; a band drawn with the right button zooms into it.
    void dragPansAndBandZooms() {
        TGraphForm graph;
        QVERIFY(ShowFunction(graph, "x"));
        const View home = graph.CurrentView();
        QWidget* viewport = graph.ChartView()->viewport();
        auto drag = [&](Qt::MouseButton button, QPoint from, QPoint to) {
            QMouseEvent press(QEvent::MouseButtonPress, from, viewport->mapToGlobal(from), button, button, Qt::NoModifier);
            QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, button, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, to, viewport->mapToGlobal(to), button, Qt::NoButton, Qt::NoModifier);
            for (QMouseEvent* e : {&press, &move, &release}) QApplication::sendEvent(viewport, e);
        };
        const QPoint centre = viewport->rect().center();
        drag(Qt::LeftButton, centre, centre + QPoint(100, 0));
        const View panned = graph.CurrentView();
        QVERIFY(panned.xMin < home.xMin);
        QVERIFY(qFuzzyCompare(panned.xMax - panned.xMin, home.xMax - home.xMin));
        QCOMPARE(panned.yMin, home.yMin);
        drag(Qt::RightButton, centre - QPoint(40, 40), centre + QPoint(40, 40));
        QVERIFY(graph.CurrentView().xMax - graph.CurrentView().xMin < 0.5 * (home.xMax - home.xMin));
        QCOMPARE(LegendNames(graph.ChartView()->chart()), QStringList{"f(x)"});  // sampled anew, still drawn
    }

    // The residual panel keeps the chart's x range when it zooms, and the
    // saved picture holds it below the chart.
    void residualPanelFollowsAndIsSaved() {
        Form form;
        Fill(form, {"LineaerRegressionRadioButton=", "AntalRegressionsPunkterSpinEdit=4",
                    "RegressionsPunkterEdit=(0,1); (1,3); (2,4); (3,7)", "RegressionsLiniensLigningEdit=1.9*x+0.9"});
        TGraphForm graph;
        graph.resize(640, 480);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        graph.ShowGraph(BuildGraph(form, RegressionTabSheet));
        QWidget* viewport = graph.ChartView()->viewport();
        const QPointF centre = viewport->rect().center();
        QWheelEvent wheel(centre, viewport->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        auto* x = qobject_cast<QCategoryAxis*>(graph.ResidualView()->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(x);
        QCOMPARE(x->min(), graph.CurrentView().xMin);
        QCOMPARE(x->max(), graph.CurrentView().xMax);
        QTemporaryDir dir;
        QCOMPARE(graph.SaveImage(dir.filePath("graf.png")), QString());
        const int height = graph.ChartView()->height() + graph.ResidualView()->height();
        QCOMPARE(QImage(dir.filePath("graf.png")).height(), TGraphForm::DefaultImageScale * height);
    }

    void savesPngAndSvgAndCopies() {
        TGraphForm graph;
        QVERIFY(ShowFunction(graph, "1/x"));
        QTemporaryDir dir;
        const QString png = dir.filePath("graf.png"), svg = dir.filePath("graf.svg");
        QCOMPARE(graph.SaveImage(png), QString());
        QCOMPARE(graph.SaveImage(svg), QString());
        QImage image(png);
        QCOMPARE(image.size(), graph.ChartView()->size() * TGraphForm::DefaultImageScale);
        QCOMPARE(graph.SaveImage(dir.filePath("1x.png"), 1), QString());
        QCOMPARE(QImage(dir.filePath("1x.png")).size(), graph.ChartView()->size());
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("<svg") && text.contains("f(x)"));
        QVERIFY(!graph.SaveImage(dir.filePath("no/such/dir/graf.png")).isEmpty());
        graph.CopyImage();
        QCOMPARE(QApplication::clipboard()->pixmap().size(), graph.ChartView()->size());
    }

    // The graph window beside the main window, inside the main window's
    // screen: a small screen, a scale factor of 2 (half the logical pixels),
    // a second screen to the right.
    void placedOnTheMainWindowsScreen_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("room on the right") << QRect(2, 2, 806, 460) << QRect(0, 0, 1920, 1080) << QRect(816, 2, 646, 506);
        QTest::newRow("room on the left") << QRect(1100, 40, 806, 460) << QRect(0, 0, 1920, 1080) << QRect(446, 40, 646, 506);
        QTest::newRow("no room beside") << QRect(2, 2, 806, 460) << QRect(0, 0, 1024, 768) << QRect(378, 2, 646, 506);
        QTest::newRow("scale factor 2") << QRect(2, 2, 806, 460) << QRect(0, 0, 512, 384) << QRect(0, 0, 512, 384);
        QTest::newRow("second screen") << QRect(1930, 10, 806, 460) << QRect(1920, 0, 1280, 1024) << QRect(2554, 10, 646, 506);
    }
    void placedOnTheMainWindowsScreen() {
        QFETCH(QRect, main);
        QFETCH(QRect, screen);
        QFETCH(QRect, expected);
        const QRect place = PlaceBeside(main, QSize(646, 506), screen);
        QCOMPARE(place, expected);
        QVERIFY(screen.contains(place));
    }

    // Under Xvfb with KVADRIX_SCREENSHOT_DIR: the main window and the graph
    // window of every tab, for a person to look at.
    void screenshotEachTab() {
        const QString dir = qEnvironmentVariable("KVADRIX_SCREENSHOT_DIR");
        if (dir.isEmpty()) QSKIP("KVADRIX_SCREENSHOT_DIR not set");
        for (const TabCase& c : TabCases()) {
            TKvadrixForm window;
            LinkGraphWindow(window);
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            for (const QString& field : c.fields) {
                const QString name = field.section('=', 0, 0), value = field.section('=', 1);
                QWidget* w = window.findChild<QWidget*>(name);
                QVERIFY2(w, qPrintable(name));
                if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setText(value);
                if (auto* spin = qobject_cast<QSpinBox*>(w)) spin->setValue(value.toInt());
                if (auto* radio = qobject_cast<QRadioButton*>(w)) radio->setChecked(true);
            }
            window.findChild<QTabWidget*>("KvadrixPageControl")->setCurrentIndex(c.page);
            window.findChild<QAction*>("VisGrafMenuItem")->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(GraphWindowOf(window)));
            QTest::qWait(150);
            const QPixmap shot = window.screen()->grabWindow(0);
            QVERIFY(shot.save(QDir(dir).filePath(QString("graf-%1.png").arg(c.name).replace('=', '_'))));
        }
    }
};

QTEST_MAIN(GraphWindowTest)
#include "GraphWindowTest.moc"
