#pragma once
// Test host: records log lines and error boxes, answers OK or Ignore as the
// test scripts it. EngineTest installs one and clears ErrorFlag per case.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "Host.h"

using Lines = std::vector<std::string>;

class RecordingHost : public Host {
public:
    void AddLogLine(std::string_view line) override { log.emplace_back(line); }
    bool ErrorBox(std::string_view message, bool withIgnore) override {
        boxes.emplace_back(message);
        okOnly.push_back(!withIgnore);
        bool ignore = ignoreAll;
        if (!answers.empty()) {
            ignore = answers.front();
            answers.pop_front();
        }
        return withIgnore && ignore;
    }
    Lines log;
    Lines boxes;
    std::vector<bool> okOnly;   // per box: shown without an Ignore button
    std::deque<bool> answers;   // scripted answers, true = Ignore; then ignoreAll
    bool ignoreAll = false;
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ErrorFlag = false;
        TextCutCount = 0;
        SetHost(&host);
    }
    void TearDown() override {
        SetHost(nullptr);
        ErrorFlag = false;
    }
    RecordingHost host;
};
