// One graph per tab, built from the texts in the tab's fields: a graph
// appears as soon as the tab has filled the fields it is drawn from.
#include <algorithm>
#include <cmath>

#include "FieldReaders.h"
#include "TabGraphs.h"

namespace {

const char* const NotComputed = "Fanen har endnu ikke udregnet noget, der kan tegnes.";
const char* const NoGraph = "Denne fane har ingen graf.";
const char* const OneVariableOnly = "Grafen tegnes kun for en funktion af 1 variabel.";
const char* const OneEquationOnly = "Grafen tegnes kun for 1 ligning med 1 ubekendt.";
const char* const RootsName = "R\xF8" "dder";
const char* const SolutionName = "L\xF8sning";

// The legend name of a field: its label's caption without the trailing " =".
std::string Caption(const Control& label) {
    std::string caption = label.text;
    while (!caption.empty() && (caption.back() == '=' || caption.back() == ' ')) caption.pop_back();
    return caption;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The curve the graph is about. An empty field means the tab has not computed
// yet; a text the evaluator cannot read gives the message instead of a graph.
bool AddMainCurve(Graph& graph, const std::string& name, const std::string& text, bool polynomial = false) {
    if (Trimmed(text).empty()) {
        graph.message = NotComputed;
        return false;
    }
    auto f = FieldFunction(text, polynomial);
    if (!f) {
        graph.message = name + " = " + text + " kan ikke tegnes: udtrykket kan ikke l\xE6" "ses.";
        return false;
    }
    graph.curves.push_back({name, std::move(*f)});
    graph.curves.back().formula = Trimmed(text);
    return true;
}

// A further curve; left out when its field is empty or unreadable (such as the
// Integration tab's "cannot integrate" text).
const GraphCurve* AddCurve(Graph& graph, const std::string& name, const std::string& text,
                           bool asymptotes = false) {
    auto f = FieldFunction(text);
    if (!f) return nullptr;
    graph.curves.push_back({name, std::move(*f), asymptotes});
    return &graph.curves.back();
}

void AddMark(Graph& graph, const std::string& name, double x, double y) {
    if (std::isfinite(x) && std::isfinite(y)) graph.marks.push_back({name, {{x, y}}});
}

Graph FunktionGraph(const Form& form) {
    const auto& tab = form.Funktion;
    Graph graph;
    if (!AddMainCurve(graph, Caption(tab.f_x_Label), tab.f_x_Edit.text)) return graph;
    const auto x0 = FieldNumber(tab.x0Edit.text), y0 = FieldNumber(tab.f_x0_Edit.text);
    if (x0 && y0) AddMark(graph, "(x0, f(x0))", *x0, *y0);
    return graph;
}

Graph DifferentiationGraph(const Form& form) {
    const auto& tab = form.Differentiation;
    Graph graph;
    if (!AddMainCurve(graph, Caption(tab.fx_Label), tab.fx_Edit.text)) return graph;
    const GraphCurve* derivative = AddCurve(graph, Caption(tab.df_dx_Label), tab.df_dx_Edit.text);
    const auto x0 = FieldNumber(tab.x_Edit.text), y0 = FieldNumber(tab.f_value_Edit.text);
    if (!x0 || !y0) return graph;
    if (derivative) {
        const double slope = QuietValue(derivative->f, *x0);
        if (std::isfinite(slope)) {
            const double a = *x0, b = *y0;
            // Named by its equation once the tab shows it.
            const std::string tangent = Trimmed(tab.TangentEdit.text);
            graph.curves.push_back({tangent.empty() ? "Tangent i x0" : "Tangent: " + tangent,
                                    [a, b, slope](double x) { return b + slope * (x - a); }, false, false});
        }
    }
    AddMark(graph, "(x0, f(x0))", *x0, *y0);
    return graph;
}

Graph IntegrationGraph(const Form& form) {
    const auto& tab = form.Integration;
    Graph graph;
    if (!AddMainCurve(graph, Caption(tab.IntegrandLabel), tab.fxEdit.text)) return graph;
    AddCurve(graph, Caption(tab.StamfunktionLabel), tab.StamfunktionEdit.text);
    const auto a = FieldNumber(tab.NedreGraenseEdit.text), b = FieldNumber(tab.OevreGraenseEdit.text);
    const std::string value = Trimmed(tab.BestemtIntegralEdit.text);
    if (a && b && !value.empty() && *a != *b)
        graph.area = GraphArea{0, std::min(*a, *b), std::max(*a, *b),
                               Caption(tab.BestemtIntegralLabel) + " = " + value};
    return graph;
}

// Each part of the Polynomier tab that has computed adds its curves: roots,
// division, fraction.
Graph PolynomierGraph(const Form& form) {
    const auto& tab = form.Polynomier;
    Graph graph;
    const bool roots = !Trimmed(tab.px_Edit.text).empty() &&
                       !(Trimmed(tab.RoedderEdit.text).empty() && Trimmed(tab.pxfak_Edit.text).empty());
    const bool division = !Trimmed(tab.DividendEdit.text).empty() && !Trimmed(tab.KvotientEdit.text).empty();
    const bool fraction = !Trimmed(tab.PolBroekEdit.text).empty() && !Trimmed(tab.ReduceretPolBroekEdit.text).empty();
    if (!roots && !division && !fraction) {
        graph.message = NotComputed;
        return graph;
    }
    if (roots) {
        if (!AddMainCurve(graph, Caption(tab.px_Label), tab.px_Edit.text, true)) return graph;
        if (const auto list = FieldList(tab.RoedderEdit.text); list && !list->empty()) {
            GraphMarks marks{RootsName, {}};
            for (double r : *list) marks.points.push_back({r, 0});
            graph.marks.push_back(std::move(marks));
        }
    }
    if (division) {
        if (!AddMainCurve(graph, Caption(tab.DividendLabel), tab.DividendEdit.text, true)) return graph;
        auto d = FieldFunction(tab.DivisorEdit.text, true), q = FieldFunction(tab.KvotientEdit.text);
        const std::string rest = Trimmed(tab.RestEdit.text);
        auto r = FieldFunction(rest.empty() ? "0" : rest);
        if (d && q && r)
            graph.curves.push_back(
                {"q(x)*d(x)+r(x)", [d = *d, q = *q, r = *r](double x) { return q(x) * d(x) + r(x); }});
    }
    if (fraction) {
        if (!AddMainCurve(graph, "p(x)/q(x)", tab.PolBroekEdit.text)) return graph;
        graph.curves.back().asymptotes = true;
    }
    return graph;
}

Graph ExtremumGraph(const Form& form) {
    const auto& tab = form.Extremum;
    Graph graph;
    if (tab.AntalVariableSpinEdit.value != 1) {
        graph.message = OneVariableOnly;
        return graph;
    }
    if (!AddMainCurve(graph, "f(x)", tab.fxyzEdit.text)) return graph;
    const auto at = FieldList(tab.xyzMinEdit.text);
    const auto value = FieldNumber(tab.fminEdit.text);
    if (at && at->size() == 1 && value) AddMark(graph, "Minimum", (*at)[0], *value);
    return graph;
}

Graph LigningerGraph(const Form& form) {
    const auto& tab = form.TrancendenteLigninger;
    Graph graph;
    if (tab.AntalLigningerSpinEdit.value != 1) {
        graph.message = OneEquationOnly;
        return graph;
    }
    if (!AddMainCurve(graph, "f(x)", tab.Ligning1Edit.text)) return graph;
    // One solution, or the list of every solution in the interval.
    if (const auto at = FieldList(tab.LoesningEdit.text); at && !at->empty()) {
        GraphMarks marks{SolutionName, {}};
        for (double x : *at) marks.points.push_back({x, QuietValue(graph.curves[0].f, x)});
        graph.marks.push_back(marks);
    }
    return graph;
}

Graph FaktorReduktionGraph(const Form& form) {
    const auto& tab = form.FaktorReduktion;
    Graph graph;
    if (Trimmed(tab.ReduceretFxEdit.text).empty()) {
        graph.message = NotComputed;
        return graph;
    }
    if (!AddMainCurve(graph, Caption(tab.fxLabel), tab.Factor_fxEdit.text)) return graph;
    AddCurve(graph, Caption(tab.ReduceretFxLabel), tab.ReduceretFxEdit.text);
    return graph;
}

Graph RegressionGraph(const Form& form) {
    const auto& tab = form.Regression;
    Graph graph;
    const bool linear = tab.LineaerRegressionRadioButton.checked;
    const bool transformed = tab.EksponentielRegressionRadioButton.checked || tab.PotensRegressionRadioButton.checked;
    const std::string equation = Trimmed(transformed ? tab.RegressionsligningEdit.text
                                         : linear    ? tab.RegressionsLiniensLigningEdit.text
                                                     : tab.RegressionsPolynomietsligningEdit.text);
    if (!AddMainCurve(graph, "y = " + equation, equation)) return graph;
    const auto points = FieldPoints(tab.RegressionsPunkterEdit.text, tab.AntalRegressionsPunkterSpinEdit.value);
    if (!points || points->empty()) return graph;
    graph.marks.push_back({"Punkter", *points});
    // Each point's distance above the shown fit; a point where the fit is
    // undefined has none.
    GraphResiduals residuals{"Residualer r = y - f(x)", {}, 0};
    for (const auto& p : *points) {
        const double r = p.y - QuietValue(graph.curves[0].f, p.x);
        if (!std::isfinite(r)) continue;
        residuals.points.push_back({p.x, r});
        residuals.scale = std::max(residuals.scale, std::fabs(p.y));
    }
    if (!residuals.points.empty()) graph.residuals = std::move(residuals);
    return graph;
}

}  // namespace

Graph BuildGraph(const Form& form) { return BuildGraph(form, form.ActivePage); }

Graph BuildGraph(const Form& form, Page page) {
    Graph graph;
    switch (page) {
    case IntegrationTabSheet: graph = IntegrationGraph(form); break;
    case DifferentiationTabSheet: graph = DifferentiationGraph(form); break;
    case PolynomierTabSheet: graph = PolynomierGraph(form); break;
    case ExtremumTabSheet: graph = ExtremumGraph(form); break;
    case TrancendenteLigningerTabSheet: graph = LigningerGraph(form); break;
    case FaktorReduktionTabSheet: graph = FaktorReduktionGraph(form); break;
    case FunktionTabSheet: graph = FunktionGraph(form); break;
    case RegressionTabSheet: graph = RegressionGraph(form); break;
    default: graph.message = NoGraph; break;
    }
    if (page >= 0 && page < PageCount) graph.title = Pages[page].caption;
    return graph;
}
