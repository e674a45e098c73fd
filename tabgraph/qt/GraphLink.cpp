#include "GraphLink.h"

#include "GraphWindow.h"
#include "KvadrixForm.h"
#include "TabGraphs.h"

namespace {

void Refresh(TKvadrixForm& window, TGraphForm& graph) {
    if (!graph.isVisible()) return;
    const int page = window.CurrentPage();
    if (page >= 0 && page < PageCount) graph.ShowGraph(BuildGraph(window.CurrentModel(), static_cast<Page>(page)));
}

}  // namespace

TGraphForm* GraphWindowOf(const TKvadrixForm& window) {
    return window.findChild<TGraphForm*>(QString(), Qt::FindDirectChildrenOnly);
}

void LinkGraphWindow(TKvadrixForm& window) {
    QObject::connect(&window, &TKvadrixForm::graphRequested, &window, [&window] {
        TGraphForm* graph = GraphWindowOf(window);
        if (!graph) {
            graph = new TGraphForm(&window);
            graph->move(window.frameGeometry().topRight() + QPoint(8, 0));
        }
        graph->show();
        graph->raise();
        Refresh(window, *graph);
    });
    QObject::connect(&window, &TKvadrixForm::pageChanged, &window, [&window] {
        if (TGraphForm* graph = GraphWindowOf(window)) Refresh(window, *graph);
    });
}
