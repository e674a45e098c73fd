#pragma once
// Field texts read for drawing: functions of x, numbers, brace lists and
// point lists as the tabs write them. FieldFunction is the one place that
// decides whether a text can be drawn.
#include <optional>
#include <string_view>
#include <vector>

#include "Sampler.h"

// f(x) of a field text (blanks removed), or nullopt when the evaluator cannot
// read the whole text. The function gives NaN where the evaluator reports an
// error; it shows nothing (call it under a quiet host, e.g. from the sampler).
// With polynomial, a polynomial field's text that only the polynomial reader
// reads (3x^2-x+5) is drawn from its coefficients.
std::optional<RealFunction> FieldFunction(std::string_view text, bool polynomial = false);

// A number ("9.0000", "1,5") or a constant expression ("pi/2"); nullopt when
// empty or unreadable.
std::optional<double> FieldNumber(std::string_view text);

// The items of a bracketed, comma-separated list: "{-1 , 2}", "(1.0000,2.0000)",
// "(3)"; separated by ";" when one is there ("(1,5;2)", the decimal comma). Nullopt when the brackets or an item cannot be read; "{}" is empty.
std::optional<std::vector<double>> FieldList(std::string_view text);

// The points "(x,y)" of a text such as "(0,1); (1,3)", at most maxCount;
// nullopt when a point cannot be read.
std::optional<std::vector<SamplePoint>> FieldPoints(std::string_view text, int maxCount);

// f(x) with a silent host, ErrorFlag untouched: NaN where undefined.
double QuietValue(const RealFunction& f, double x);
