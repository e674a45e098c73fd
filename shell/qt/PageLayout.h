#pragma once
// Where the controls sit on their pages: a grid of four columns, two
// label/field pairs per row (label, field, label, field). A field that needs
// the width spans columns 1 to 3; notes span the whole row.
#include <span>

#include "Form.h"

struct GridCell {
    const char* control;
    int row;
    int column;
    int columnSpan;
};

inline constexpr int GridColumns = 4;

// The cells of one page in reading (and tab) order; empty for the log page.
std::span<const GridCell> PageGrid(Page page);
