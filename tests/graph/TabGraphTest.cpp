// Each tab's graph, built from field texts as the tabs write them, and the
// default view around what the graph is about.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FieldReaders.h"
#include "Graph.h"
#include "RecordingHost.h"

namespace {

using Names = std::vector<std::string>;

Names CurveNames(const Graph& g) {
    Names names;
    for (const auto& c : g.curves) names.push_back(c.name);
    return names;
}

bool InView(const View& v, double x, double y) {
    return x > v.xMin && x < v.xMax && y > v.yMin && y < v.yMax;
}

class TabGraphTest : public EngineTest {
protected:
    Form form;
};

TEST_F(TabGraphTest, FunctionValueMarksThePoint) {
    form.Funktion.f_x_Edit.text = "x^2 - 1";
    form.Funktion.x0Edit.text = "3";
    form.Funktion.f_x0_Edit.text = "8.0000";
    const Graph g = BuildGraph(form, FunktionTabSheet);
    EXPECT_EQ(g.title, "y=f(x)");
    EXPECT_EQ(CurveNames(g), Names{"f(x)"});
    ASSERT_EQ(g.marks.size(), 1u);
    EXPECT_EQ(g.marks[0].points[0].x, 3);
    EXPECT_EQ(g.marks[0].points[0].y, 8);
    const View v = DefaultView(g);
    EXPECT_TRUE(InView(v, 3, 8));
    EXPECT_TRUE(InView(v, -1, 0) && InView(v, 1, 0));  // the roots
}

TEST_F(TabGraphTest, DerivativeAndTangent) {
    auto& d = form.Differentiation;
    d.fx_Edit.text = "x^3";
    d.df_dx_Edit.text = "3*x^2";
    d.x_Edit.text = "1";
    d.f_value_Edit.text = "1.0000";
    const Graph g = BuildGraph(form, DifferentiationTabSheet);
    ASSERT_EQ(CurveNames(g), (Names{"f(x)", "f'(x)", "Tangent i x0"}));
    EXPECT_DOUBLE_EQ(QuietValue(g.curves[2].f, 3), 7);  // 1 + 3*(3-1)
    ASSERT_EQ(g.marks.size(), 1u);

    d.x_Edit.text.clear();  // no x0: no tangent
    EXPECT_EQ(CurveNames(BuildGraph(form, DifferentiationTabSheet)), (Names{"f(x)", "f'(x)"}));
}

TEST_F(TabGraphTest, IntegrationShadesBetweenTheBounds) {
    auto& t = form.Integration;
    t.fxEdit.text = "x";
    t.StamfunktionEdit.text = "1/2*x^2";
    t.NedreGraenseEdit.text = "0";
    t.OevreGraenseEdit.text = "2";
    t.BestemtIntegralEdit.text = "2.0000";
    Graph g = BuildGraph(form, IntegrationTabSheet);
    EXPECT_EQ(CurveNames(g), (Names{"f(x)", "F(x)"}));
    ASSERT_TRUE(g.area);
    EXPECT_EQ(g.area->from, 0);
    EXPECT_EQ(g.area->to, 2);
    EXPECT_EQ(g.area->label, "Bestemt Integral = 2.0000");
    const View v = DefaultView(g);
    EXPECT_LT(v.xMin, 0);
    EXPECT_GT(v.xMax, 2);
    const Plot p = PlotGraph(g, v);
    ASSERT_FALSE(p.area.empty());
    EXPECT_NEAR(p.area.front().front().x, 0, 1e-9);
    EXPECT_NEAR(p.area.back().back().x, 2, 1e-9);

    // The tab's failure text is no curve; f is still drawn, the area is not.
    t.StamfunktionEdit.text = "Kan ikke udregne Integralet. Se log";
    t.BestemtIntegralEdit.text.clear();
    g = BuildGraph(form, IntegrationTabSheet);
    EXPECT_EQ(CurveNames(g), Names{"f(x)"});
    EXPECT_FALSE(g.area);
}

TEST_F(TabGraphTest, PolynomialRootsDivisionAndFraction) {
    auto& p = form.Polynomier;
    p.px_Edit.text = "x^2-1";
    p.RoedderEdit.text = "{-1 , 1}";
    p.pxfak_Edit.text = "(x+1)*(x-1)";
    Graph g = BuildGraph(form, PolynomierTabSheet);
    EXPECT_EQ(CurveNames(g), Names{"p(x)"});
    ASSERT_EQ(g.marks.size(), 1u);
    EXPECT_EQ(g.marks[0].name, "R\xF8" "dder");
    ASSERT_EQ(g.marks[0].points.size(), 2u);
    EXPECT_EQ(g.marks[0].points[0].x, -1);
    EXPECT_EQ(g.marks[0].points[1].y, 0);

    p.px_Edit.text.clear();
    p.RoedderEdit.text.clear();
    p.pxfak_Edit.text.clear();
    p.DividendEdit.text = "x^3+2*x";
    p.DivisorEdit.text = "x-1";
    p.KvotientEdit.text = "x^2+x+3";
    p.RestEdit.text = "3";
    g = BuildGraph(form, PolynomierTabSheet);
    ASSERT_EQ(CurveNames(g), (Names{"p(x)", "q(x)*d(x)+r(x)"}));
    for (double x : {-2.0, 0.5, 3.0}) EXPECT_NEAR(QuietValue(g.curves[1].f, x), QuietValue(g.curves[0].f, x), 1e-9);

    p.DividendEdit.text.clear();
    p.KvotientEdit.text.clear();
    p.PolBroekEdit.text = "(x^2-1)/(x^2-4)";
    p.ReduceretPolBroekEdit.text = "(x^2-1)/(x^2-4)";
    g = BuildGraph(form, PolynomierTabSheet);
    ASSERT_EQ(CurveNames(g), Names{"p(x)/q(x)"});
    const Plot plot = PlotGraph(g, View{-5, 5, -5, 5});
    ASSERT_EQ(plot.asymptotes.size(), 2u);
    EXPECT_NEAR(plot.asymptotes[0], -2, 1e-6);
    EXPECT_NEAR(plot.asymptotes[1], 2, 1e-6);
}

TEST_F(TabGraphTest, MinimumAndSolutionForOneVariable) {
    form.Extremum.AntalVariableSpinEdit.value = 1;
    form.Extremum.fxyzLabel.text = "f(x)= ";
    form.Extremum.fxyzEdit.text = "(x-1)^2+2";
    form.Extremum.xyzMinEdit.text = "(1.0000)";
    form.Extremum.fminEdit.text = "2.0000";
    Graph g = BuildGraph(form, ExtremumTabSheet);
    ASSERT_EQ(g.marks.size(), 1u);
    EXPECT_EQ(g.marks[0].points[0].x, 1);
    EXPECT_EQ(g.marks[0].points[0].y, 2);
    form.Extremum.xyzMinEdit.text = "Se LogMemo";  // no minimum found: nothing marked
    EXPECT_TRUE(BuildGraph(form, ExtremumTabSheet).marks.empty());

    form.TrancendenteLigninger.AntalLigningerSpinEdit.value = 1;
    form.TrancendenteLigninger.Ligning1Edit.text = "x^2-2";
    form.TrancendenteLigninger.LoesningEdit.text = "(1.4142)";
    g = BuildGraph(form, TrancendenteLigningerTabSheet);
    ASSERT_EQ(g.marks.size(), 1u);
    EXPECT_NEAR(g.marks[0].points[0].y, 0, 1e-3);
}

TEST_F(TabGraphTest, RegressionPointsAndFit) {
    auto& r = form.Regression;
    r.LineaerRegressionRadioButton.checked = true;
    r.AntalRegressionsPunkterSpinEdit.value = 3;
    r.RegressionsPunkterEdit.text = "(0,1); (1,3); (2,5)";
    r.RegressionsLiniensLigningEdit.text = "    2.0000*x+    1.0000";
    Graph g = BuildGraph(form, RegressionTabSheet);
    ASSERT_EQ(CurveNames(g), Names{"y = 2.0000*x+    1.0000"});
    ASSERT_EQ(g.marks.size(), 1u);
    ASSERT_EQ(g.marks[0].points.size(), 3u);
    EXPECT_EQ(g.marks[0].points[2].x, 2);
    EXPECT_EQ(g.marks[0].points[2].y, 5);
    const View v = DefaultView(g);
    for (const auto& pt : g.marks[0].points) EXPECT_TRUE(InView(v, pt.x, pt.y));

    r.LineaerRegressionRadioButton.checked = false;
    r.PolynomiaerRegressionRadioButton.checked = true;
    r.RegressionsPolynomietsligningEdit.text = "1.0000*x^2-2.0000*x+1.0000";
    g = BuildGraph(form, RegressionTabSheet);
    EXPECT_DOUBLE_EQ(QuietValue(g.curves[0].f, 3), 4);
}

// Nothing computed, text only a later reader understands, several variables,
// the log page, and a function defined nowhere in view: a message, no graph.
TEST_F(TabGraphTest, MessagesInsteadOfAGraph) {
    const auto message = [&](Page page) { return BuildGraph(form, page).message; };
    EXPECT_EQ(message(FunktionTabSheet), "Fanen har endnu ikke udregnet noget, der kan tegnes.");
    EXPECT_EQ(message(PolynomierTabSheet), "Fanen har endnu ikke udregnet noget, der kan tegnes.");
    EXPECT_EQ(message(LogTabSheet), "Denne fane har ingen graf.");
    EXPECT_EQ(message(ExtremumTabSheet), "Grafen tegnes kun for en funktion af 1 variabel.");
    form.Funktion.f_x_Edit.text = "6x^2";
    EXPECT_EQ(message(FunktionTabSheet), "f(x) = 6x^2 kan ikke tegnes: udtrykket kan ikke l\xE6" "ses.");
    form.Funktion.f_x_Edit.text = "sqrt(-1-x^2)";
    const Graph g = BuildGraph(form, FunktionTabSheet);
    EXPECT_TRUE(g.message.empty());
    EXPECT_EQ(PlotGraph(g, DefaultView(g)).message, "f(x) kan ikke udregnes nogen steder i det viste omr\xE5" "de.");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.log.empty());
}

struct ViewCase {
    const char* name;
    const char* f;
    double x, y;          // must be in view
    double maxHeight;     // the view is no taller than this
};

class DefaultViewTest : public EngineTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(DefaultViewTest, ShowsWhatMattersAndStaysReadable) {
    const ViewCase& c = GetParam();
    Form form;
    form.Funktion.f_x_Edit.text = c.f;
    const View v = DefaultView(BuildGraph(form, FunktionTabSheet));
    EXPECT_TRUE(InView(v, c.x, c.y)) << v.xMin << ".." << v.xMax << " x " << v.yMin << ".." << v.yMax;
    EXPECT_LT(v.yMax - v.yMin, c.maxHeight);
    EXPECT_GT(v.yMax - v.yMin, 0);
}

INSTANTIATE_TEST_SUITE_P(Functions, DefaultViewTest,
                         ::testing::Values(ViewCase{"vertex", "(x-3)^2-4", 3, -4, 40},
                                           ViewCase{"roots", "x^2-4", -2, 0, 40},
                                           ViewCase{"pole", "1/(x-2)", 2.5, 2, 60},
                                           ViewCase{"constant", "3", 0, 3, 10},
                                           ViewCase{"growth", "exp(x)", 0, 1, 1e5},
                                           ViewCase{"wave", "sin(x)", 1.5707, 1, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
