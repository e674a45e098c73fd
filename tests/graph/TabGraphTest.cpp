// Each tab's graph from field texts as the tabs write them: the values behind
// the curves and marks (the window test checks the series and legends), the
// messages instead of a graph, and the default view.
#include <gtest/gtest.h>

#include <string>

#include "CaseTable.h"
#include "FieldReaders.h"
#include "TabGraphs.h"
#include "RecordingHost.h"

namespace {

bool InView(const View& v, double x, double y) { return x > v.xMin && x < v.xMax && y > v.yMin && y < v.yMax; }

class TabGraphTest : public EngineTest {
protected:
    // Sets the fields as the tabs leave them: "Control=text", ... .
    void Set(std::initializer_list<std::string> fields) {
        for (const std::string& f : fields) form.Find(f.substr(0, f.find('=')))->text = f.substr(f.find('=') + 1);
    }
    Form form;
};

TEST_F(TabGraphTest, TangentThroughThePointWithTheDerivativesSlope) {
    Set({"fx_Edit=x^3", "df_dx_Edit=3*x^2", "x_Edit=1", "f_value_Edit=1.0000"});
    const Graph g = BuildGraph(form, DifferentiationTabSheet);
    ASSERT_EQ(g.curves.size(), 3u);
    EXPECT_DOUBLE_EQ(QuietValue(g.curves[2].f, 3), 7);  // 1 + 3*(3-1)
    Set({"x_Edit="});
    EXPECT_EQ(BuildGraph(form, DifferentiationTabSheet).curves.size(), 2u);

    // The view is framed by f and f', not by the tangent running off.
    Set({"fx_Edit=sin(x)", "df_dx_Edit=cos(x)", "x_Edit=1", "f_value_Edit=0.8415"});
    const View v = DefaultView(BuildGraph(form, DifferentiationTabSheet));
    EXPECT_LT(v.yMax - v.yMin, 3);
}

TEST_F(TabGraphTest, IntegrationAreaBetweenTheBoundsAndNoCurveForTheFailureText) {
    // Bounds in either order.
    Set({"fxEdit=x", "StamfunktionEdit=Kan ikke udregne Integralet. Se log", "NedreGraenseEdit=2",
         "OevreGraenseEdit=sqrt(0)", "BestemtIntegralEdit=-2.0000"});
    const Graph g = BuildGraph(form, IntegrationTabSheet);
    EXPECT_EQ(g.curves.size(), 1u);
    ASSERT_TRUE(g.area);
    const Plot p = PlotGraph(g, DefaultView(g));
    ASSERT_FALSE(p.area.empty());
    EXPECT_NEAR(p.area.front().front().x, 0, 1e-9);
    EXPECT_NEAR(p.area.back().back().x, 2, 1e-9);
    Set({"BestemtIntegralEdit="});  // not computed: no area
    EXPECT_FALSE(BuildGraph(form, IntegrationTabSheet).area);
}

TEST_F(TabGraphTest, PolynomialRootsDivisionAndAsymptotes) {
    Set({"px_Edit=x^2-1", "RoedderEdit={-1 , 1}"});
    Graph g = BuildGraph(form, PolynomierTabSheet);
    ASSERT_EQ(g.marks.size(), 1u);
    ASSERT_EQ(g.marks[0].points.size(), 2u);
    EXPECT_EQ(g.marks[0].points[0].x, -1);
    EXPECT_EQ(g.marks[0].points[1].y, 0);

    Set({"px_Edit=", "DividendEdit=x^3+2*x", "DivisorEdit=x-1", "KvotientEdit=x^2+x+3", "RestEdit=3"});
    g = BuildGraph(form, PolynomierTabSheet);
    ASSERT_EQ(g.curves.size(), 2u);
    for (double x : {-2.0, 0.5, 3.0}) EXPECT_NEAR(QuietValue(g.curves[1].f, x), QuietValue(g.curves[0].f, x), 1e-9);

    Set({"DividendEdit=", "PolBroekEdit=(x^2-1)/(x^2-4)", "ReduceretPolBroekEdit=(x^2-1)/(x^2-4)"});
    const Plot plot = PlotGraph(BuildGraph(form, PolynomierTabSheet), View{-5, 5, -5, 5});
    ASSERT_EQ(plot.asymptotes.size(), 2u);
    EXPECT_NEAR(plot.asymptotes[0], -2, 1e-6);
    EXPECT_NEAR(plot.asymptotes[1], 2, 1e-6);
}

TEST_F(TabGraphTest, MarksOnlyWhatTheTabFound) {
    form.Extremum.AntalVariableSpinEdit.value = 1;
    Set({"fxyzEdit=(x-1)^2+2", "xyzMinEdit=Se fanen Log", "fminEdit=2.0000"});  // no minimum found
    EXPECT_TRUE(BuildGraph(form, ExtremumTabSheet).marks.empty());

    form.TrancendenteLigninger.AntalLigningerSpinEdit.value = 1;
    Set({"Ligning1Edit=x^2-2", "LoesningEdit=(1.4142)"});
    const Graph g = BuildGraph(form, TrancendenteLigningerTabSheet);
    ASSERT_EQ(g.marks.size(), 1u);
    EXPECT_NEAR(g.marks[0].points[0].y, 0, 1e-3);  // on the curve
    Set({"Ligning1Edit=exp(x)-3*x", "LoesningEdit={0.6191 , 1.5121}"});  // every solution in the interval
    EXPECT_EQ(BuildGraph(form, TrancendenteLigningerTabSheet).marks.at(0).points.size(), 2u);

    form.Regression.AntalRegressionsPunkterSpinEdit.value = 2;  // more points typed than counted
    Set({"RegressionsPunkterEdit=(0,1); (1,3); (2,5)", "RegressionsLiniensLigningEdit=    2.0000*x+    1.0000"});
    const Graph fit = BuildGraph(form, RegressionTabSheet);
    ASSERT_EQ(fit.marks.size(), 1u);
    EXPECT_EQ(fit.marks[0].points.size(), 2u);
    EXPECT_DOUBLE_EQ(QuietValue(fit.curves[0].f, 3), 7);
    Set({"RegressionsPunkterEdit=(0;1,5); (1;3)"});  // read as the tab reads them
    EXPECT_EQ(BuildGraph(form, RegressionTabSheet).marks.at(0).points.at(0).y, 1.5);
}

// The residual panel's range: the chart's x range, r symmetric about 0 with
// every residual inside; an exact fit's rounding is not magnified.
TEST_F(TabGraphTest, ResidualPanelAroundZero) {
    const View chart{-1, 4, -2, 9};
    View v = ResidualView({"", {{0, 0.1}, {2, -0.7}, {3, 0.4}}, 7}, chart);
    EXPECT_EQ(v.xMin, -1);
    EXPECT_EQ(v.xMax, 4);
    EXPECT_EQ(v.yMin, -v.yMax);
    EXPECT_GT(v.yMax, 0.7);
    EXPECT_LT(v.yMax, 1);
    v = ResidualView({"", {{0, 0}, {1, 2e-6}}, 24}, chart);
    EXPECT_DOUBLE_EQ(v.yMax, 0.024);
    EXPECT_EQ(ResidualView({"", {{0, 0}}, 0}, chart).yMax, 1);

    // Not computed (the fields cleared): no residuals; a point where the shown
    // fit is undefined has none.
    form.Regression.PotensRegressionRadioButton.checked = true;
    form.Regression.AntalRegressionsPunkterSpinEdit.value = 3;
    Set({"RegressionsPunkterEdit=(0;1); (1;3); (2;4)", "RegressionsligningEdit="});
    EXPECT_FALSE(BuildGraph(form, RegressionTabSheet).residuals);
    Set({"RegressionsligningEdit=2/x"});
    const Graph g = BuildGraph(form, RegressionTabSheet);
    ASSERT_TRUE(g.residuals);
    ASSERT_EQ(g.residuals->points.size(), 2u);
    EXPECT_DOUBLE_EQ(g.residuals->points[0].y, 1);   // 3 - 2/1
    EXPECT_DOUBLE_EQ(g.residuals->points[1].y, 3);   // 4 - 2/2
    EXPECT_EQ(g.residuals->scale, 4);
}

// Nothing computed, text only a later reader understands, several variables,
// the log page, and a function defined nowhere in view: a message, no graph.
TEST_F(TabGraphTest, MessagesInsteadOfAGraph) {
    const auto message = [&](Page page) { return BuildGraph(form, page).message; };
    EXPECT_EQ(message(FunktionTabSheet), "Fanen har endnu ikke udregnet noget, der kan tegnes.");
    EXPECT_EQ(message(PolynomierTabSheet), "Fanen har endnu ikke udregnet noget, der kan tegnes.");
    EXPECT_EQ(message(LogTabSheet), "Denne fane har ingen graf.");
    EXPECT_EQ(message(ExtremumTabSheet), "Grafen tegnes kun for en funktion af 1 variabel.");
    Set({"f_x_Edit=6x^"});
    EXPECT_EQ(message(FunktionTabSheet), "f(x) = 6x^ kan ikke tegnes: udtrykket kan ikke l\xE6" "ses.");
    Set({"f_x_Edit=sqrt(-1-x^2)"});
    const Graph g = BuildGraph(form, FunktionTabSheet);
    EXPECT_TRUE(g.message.empty());
    EXPECT_EQ(PlotGraph(g, DefaultView(g)).message, "f(x) kan ikke udregnes nogen steder i det viste omr\xE5" "de.");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.log.empty());
}

TEST_F(TabGraphTest, DefaultViewShowsWhatMattersAndStaysReadable) {
    for (const CaseRow& c : CaseTable("graph/data/views.tsv", "View")) {
        SCOPED_TRACE(c.where + " " + c[0]);
        form.Funktion.f_x_Edit.text = c[1];
        form.Funktion.x0Edit.text = c[2];
        form.Funktion.f_x0_Edit.text = c[2].empty() ? "" : std::to_string(c.Number(4));
        const View v = DefaultView(BuildGraph(form, FunktionTabSheet));
        EXPECT_TRUE(InView(v, c.Number(3), c.Number(4))) << v.xMin << ".." << v.xMax << " x " << v.yMin << ".." << v.yMax;
        EXPECT_LT(v.yMax - v.yMin, c.Number(5));
        EXPECT_GT(v.yMax - v.yMin, 0);
    }
}

}  // namespace
