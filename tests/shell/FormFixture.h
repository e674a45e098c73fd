#pragma once
// A form model with a recording host whose log is the form's own log page.
#include "Form.h"
#include "Handlers.h"
#include "RecordingHost.h"

class FormHost : public RecordingHost {
public:
    explicit FormHost(Form& form) : form_(form) {}
    void AddLogLine(std::string_view line) override {
        RecordingHost::AddLogLine(line);
        AppendLog(form_, line);
    }

private:
    Form& form_;
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHost(&host);
        FormActivate(form);
        TextCutCount = 0;
    }
    void TearDown() override {
        SetHost(nullptr);
        ErrorFlag = false;
    }
    // Types text into a control and leaves it, as the user would.
    void Leave(const char* control, const std::string& text) {
        form.Find(control)->text = text;
        InputEdited(form, control);
        RunHandler(form, FindEvents(control)->exit);
    }
    Form form;
    FormHost host{form};
};
