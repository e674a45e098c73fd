#pragma once
// A form model with a recording host whose log is the form's own log page.
#include <gtest/gtest.h>

#include <string>

#include "Form.h"
#include "Handlers.h"
#include "RecordingHost.h"

// Enters text into a control as the user would: a spin edit takes the number
// and runs its change, a radio button is chosen (the others on its page
// cleared) and runs its change, any other control is typed into and left.
inline void Enter(Form& form, const std::string& control, const std::string& text) {
    const ControlInfo* info = FindControl(control);
    ASSERT_NE(info, nullptr) << control;
    Control& c = info->get(form);
    const EventInfo* events = FindEvents(control);
    if (info->kind == ControlKind::SpinEdit) {
        c.value = std::stoi(text);
        c.text = text;
        if (events) RunHandler(form, events->change);
    } else if (info->kind == ControlKind::RadioButton) {
        for (const ControlInfo& other : ControlTable)
            if (other.page == info->page && other.kind == ControlKind::RadioButton) other.get(form).checked = false;
        c.checked = true;
        if (events) RunHandler(form, events->change);
        return;
    } else {
        c.text = text;
        InputEdited(form, control);
    }
    if (events) RunHandler(form, events->exit);
}

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
