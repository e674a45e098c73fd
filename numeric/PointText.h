#pragma once
// The point notation of the minimum, equations and regression tabs: a start
// point "(1.5,-2)" with one coordinate per variable, and data points
// "(0,1); (1,3); (2,5)". Coordinates are numbers; the comma separates them.
#include <string>
#include <string_view>

#include "Evaluate.h"
#include "LinearEquations.h"

// The tabs' functions have 1 to 5 variables, named x y z u v.
constexpr int MaxVariables = 5;
VariableNames DefaultVariableNames();

// The one number reader of the numeric tabs (coordinates, data points,
// precision): blanks removed, a missing 0 before a leading point added,
// then TextToNumber (a comma read as a point).
// Malformed: error := true, 0.
double ReadNumber(std::string_view text, bool& error);

// Reads n coordinates of point into values[1..n]. Each coordinate starts at
// the next sign, digit or point and ends at the next "," (the next ";" when
// the point holds one: "(1,5;2)"; the last at ")"); each is
// logged as name + "0=" + text. Any coordinate missing or no number: ErrorFlag
// and the box "Fejl i begyndelsesværdierne", false.
bool ReadStartPoint(int n, const ExpressionText& point, const VariableNames& names, VariableValues& values);

// The two coordinate texts inside a point's brackets: "1;2,1" (a semicolon
// between them, decimal commas) or "1,2.1". With commas only, each comma that
// leaves a number on both sides is a reading; two readings, as in "0,5,1",
// are refused with problem showing both. False without a separator.
bool SplitDataPoint(std::string_view inside, std::string& xText, std::string& yText, std::string& problem);

// Reads n points "(x,y)" or "(x;y)" into x[1..n] and y[1..n], logging each as
// "(x[i],y[i])=(x,y)". A number, a bracket, a separator or a point that is
// missing, or an ambiguous point, gives the box "Fejl i data: " with the
// faulty text (ErrorFlag clear afterwards), false.
bool ReadDataPoints(int n, const ExpressionText& text, Vector& x, Vector& y);

// "x0,y0" for n = 2 and suffix "0": the names joined by commas.
std::string NameList(int n, const VariableNames& names, std::string_view suffix = {});
// "(0,0)" for n = 2.
std::string ZeroPoint(int n);
// "(1.0000,2.0000)": the result as a tab shows it.
std::string PointText(int n, const VariableValues& values);
// "(x[1] = 1.0000; x[2] = 2.0000; )": the result as the log shows it.
std::string PointLogLine(int n, const VariableValues& values);
