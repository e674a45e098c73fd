#pragma once
// What the help window's "Notation" shows: the notation every tab reads, as
// sections of rows, and worked examples per tab that the tests compute again
// through the form model. Texts are Windows-1252, as the model holds them.
#include <vector>

#include "Form.h"

struct NotationRow {
    const char* written;  // what the user types ("x^3")
    const char* meaning;  // what it means, in Danish
};

struct NotationSection {
    const char* title;
    const char* introduction;  // may be ""
    std::vector<NotationRow> rows;
};

// One value typed into a field and left, as the user would; a spin edit takes the number.
struct NotationStep {
    const char* control;
    const char* text;
};

struct NotationExample {
    Page page;
    std::vector<NotationStep> steps;
    const char* shown;    // the output field
    const char* result;   // its text after the steps
    const char* comment;  // what the example shows, in Danish
};

extern const std::vector<NotationSection> NotationSections;
extern const std::vector<NotationExample> NotationExamples;
