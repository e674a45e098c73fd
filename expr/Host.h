#pragma once
// The engines' only way out: the log and the error boxes, through the Host
// that the front end installs (Qt window, batch front end, tests). Also the
// one global error flag and the one exception type for arithmetic faults.
#include <stdexcept>
#include <string>
#include <string_view>

#include "ExpressionText.h"

// True while an error of the computation in hand has been reported.
extern bool ErrorFlag;

class Host {
public:
    virtual ~Host() = default;
    // Appends one line (Windows-1252) to the log page.
    virtual void AddLogLine(std::string_view line) = 0;
    // Shows a modal error box; withIgnore adds the Ignore button.
    // Returns true when the user answered Ignore (closing counts as OK).
    virtual bool ErrorBox(std::string_view message, bool withIgnore) = 0;
};

// Installs the host (nullptr: a silent host that answers OK). Returns the old one.
Host* SetHost(Host* host);
Host& CurrentHost();

// The OK/Ignore error box; Ignore clears ErrorFlag, OK leaves it alone.
// The message is cut to 255 characters.
void ShowError(const ExpressionText& message);
// The OK-only error box (no Ignore, ErrorFlag untouched).
void ShowErrorOK(const ExpressionText& message);
void AddLogLine(std::string_view line);

// While it lives no box and no log line reach the user (a silent host is
// installed), and ErrorFlag, cleared on entry, is put back as it was on
// leaving: for steps that only probe (checks, sampling, syntax tests).
class SilentScope {
public:
    SilentScope() : host_(SetHost(nullptr)), flag_(ErrorFlag) { ErrorFlag = false; }
    ~SilentScope() {
        SetHost(host_);
        ErrorFlag = flag_;
    }
    SilentScope(const SilentScope&) = delete;
    SilentScope& operator=(const SilentScope&) = delete;

private:
    Host* host_;
    bool flag_;
};

// A log line about how a text was read or kept ("Bemærk: ..."): each
// distinct note once per computation; ClearNotes starts a computation.
void AddNote(const ExpressionText& line);
void ClearNotes();

// The three kinds of error message; every engine reports through these. Each
// sets ErrorFlag, then shows the message (cut to 255 characters).
// An error the user may Ignore: Ignore clears the flag and reading goes on.
void ReportError(const ExpressionText& message);
// An error that outlasts an Ignore: the flag stays set whatever the answer.
void ReportLastingError(const ExpressionText& message);
// An error with an OK button only.
void ReportErrorOK(const ExpressionText& message);

// Keeps ErrorFlag as it was on entry to a scope, for steps whose own
// errors must not reach their caller (or must not clear the caller's).
class ErrorFlagGuard {
public:
    ErrorFlagGuard() : saved_(ErrorFlag) {}
    ~ErrorFlagGuard() { ErrorFlag = saved_; }
    ErrorFlagGuard(const ErrorFlagGuard&) = delete;
    ErrorFlagGuard& operator=(const ErrorFlagGuard&) = delete;

private:
    bool saved_;
};
inline void AddLogLine(const ExpressionText& line) { AddLogLine(line.View()); }
inline void AddLogLine(const char* line) { AddLogLine(std::string_view(line)); }
inline void AddLogLine(const std::string& line) { AddLogLine(std::string_view(line)); }

// An arithmetic fault no check intercepts (overflow, invalid operation,
// integer division by zero, 32-bit overflow of an exact fraction). Thrown by
// the engines, caught only around a whole handler. The message is Danish,
// Windows-1252.
class ArithmeticFault : public std::runtime_error {
public:
    explicit ArithmeticFault(const std::string& what) : std::runtime_error(what) {}
};

// Throws ArithmeticFault when x is infinite or NaN; returns x otherwise.
double CheckedReal(double x);
