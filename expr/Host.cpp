#include "Host.h"

#include <cmath>

bool ErrorFlag = false;

namespace {
class SilentHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view, bool) override { return false; }
};
SilentHost silentHost;
Host* currentHost = &silentHost;
}  // namespace

Host* SetHost(Host* host) {
    Host* old = currentHost;
    currentHost = host ? host : &silentHost;
    return old == &silentHost ? nullptr : old;
}

Host& CurrentHost() { return *currentHost; }

void ShowError(const ExpressionText& message) {
    if (currentHost->ErrorBox(message.View(), true)) ErrorFlag = false;
}

void ShowErrorOK(const ExpressionText& message) { currentHost->ErrorBox(message.View(), false); }

void AddLogLine(std::string_view line) { currentHost->AddLogLine(line); }

namespace {
// Notes of the computation in hand; further distinct notes are dropped.
constexpr int MaxNotes = 16;
ExpressionText notes[MaxNotes];
int noteCount = 0;
}  // namespace

void AddNote(const ExpressionText& line) {
    for (int i = 0; i < noteCount; ++i)
        if (notes[i] == line) return;
    if (noteCount == MaxNotes) return;
    notes[noteCount++] = line;
    AddLogLine(line);
}

void ClearNotes() { noteCount = 0; }

void ReportError(const ExpressionText& message) {
    ErrorFlag = true;
    ShowError(message);
}

void ReportLastingError(const ExpressionText& message) {
    ErrorFlag = true;
    ShowError(message);
    ErrorFlag = true;
}

void ReportErrorOK(const ExpressionText& message) {
    ErrorFlag = true;
    ShowErrorOK(message);
}

double CheckedReal(double x) {
    if (std::isnan(x)) throw ArithmeticFault("Regnefejl: ugyldig regneoperation");
    if (std::isinf(x)) throw ArithmeticFault("Regnefejl: tallet er for stort (overl\xF8" "b)");
    return x;
}
