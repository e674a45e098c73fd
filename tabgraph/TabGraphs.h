#pragma once
// The graph of what a tab of the form model has computed, built from the
// texts in the tab's fields: a graph appears as soon as the tab has filled
// the fields it is drawn from.
#include "Form.h"
#include "Graph.h"

// The graph of the form's current page, or of the given page.
Graph BuildGraph(const Form& form);
Graph BuildGraph(const Form& form, Page page);
