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

double CheckedReal(double x) {
    if (std::isnan(x)) throw ArithmeticFault("Regnefejl: ugyldig regneoperation");
    if (std::isinf(x)) throw ArithmeticFault("Regnefejl: tallet er for stort (overl\xF8" "b)");
    return x;
}
