#pragma once
// Printing of the log page: a plain-text job on the default printer.
#include <string>
#include <vector>

class QString;

// Prints the lines (Windows-1252) without a dialog on the default printer,
// in Courier New 10 pt, as many pages as needed. A line wider than the page
// goes on in indented printed lines below it.
// Returns "" when the job was handed to the printer, otherwise the Danish
// message (Windows-1252) that says why not.
std::string PrintLog(const std::vector<std::string>& lines);

// A log line as one line of display text: control characters become blanks.
QString LogLineText(const std::string& line);
