#pragma once
// Points of the numeric tests' tables: coordinates separated by blanks.
#include <sstream>
#include <string>

#include "PointText.h"

inline const VariableNames& TestNames() {
    static const VariableNames names = DefaultVariableNames();
    return names;
}

// The coordinates of text; n: how many.
inline VariableValues Point(const std::string& text, int* n = nullptr) {
    VariableValues p{};
    std::istringstream in(text);
    int i = 0;
    while (i < MaxVariables && in >> p[i + 1]) ++i;
    if (n) *n = i;
    return p;
}
