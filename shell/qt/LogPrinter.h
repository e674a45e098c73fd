#pragma once
// The log page on paper and in files: the printout, the same pages as a PDF
// file, and the lines as UTF-8 text.
#include <string>
#include <vector>

class QPrinter;
class QString;

// Prints the lines (Windows-1252) on the given printer (a real one or PDF
// output), in Courier New 10 pt, as many pages as needed. A line wider than
// the page goes on in indented printed lines below it.
// Returns "" when the job was handed over, otherwise the Danish message
// (Windows-1252) that says why not.
std::string PrintLog(QPrinter& printer, const std::vector<std::string>& lines);

// The same on the default printer without a dialog; a message when there is none.
std::string PrintLog(const std::vector<std::string>& lines);

// The printout's pages as a PDF file on A4; "" or the message.
std::string SaveLogPdf(const QString& path, const std::vector<std::string>& lines);

// The lines as UTF-8 text, one per line; "" or the message.
std::string SaveLogText(const QString& path, const std::vector<std::string>& lines);

// A log line as one line of display text: control characters become blanks.
QString LogLineText(const std::string& line);
