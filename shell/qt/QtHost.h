#pragma once
// The engines' host in the window: log lines go to the model's log and the
// log page, errors to modal message boxes over the main window.
#include "Host.h"

class TKvadrixForm;

class QtHost : public Host {
public:
    explicit QtHost(TKvadrixForm& window) : window_(window) {}
    void AddLogLine(std::string_view line) override;
    bool ErrorBox(std::string_view message, bool withIgnore) override;

private:
    TKvadrixForm& window_;
};
