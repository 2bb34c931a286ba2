// A content host for tests: records what the content layer reports and answers its questions
// from a script.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "content/contenthost.h"

class RecordingHost final : public ContentHost {
  public:
    RecordingHost() { SetContentHost(this); }
    ~RecordingHost() override { SetContentHost(nullptr); }

    void showError(const std::string& text) override { errors.push_back(text); }
    bool askRetryCancel(const std::string& text) override {
        questions.push_back(text);
        if (whileAsking) whileAsking();
        if (cancelAnswers.empty()) return true;
        const bool cancel = cancelAnswers.front();
        cancelAnswers.pop_front();
        return cancel;
    }
    void stopStartup() override { stoppedStartup = true; }
    void shutdown() override {
        ++shutdowns;
        isQuitting = true;
    }
    bool quitting() const override { return isQuitting; }
    void exitProcess(int code) override { exitCodes.push_back(code); }

    std::vector<std::string> errors;
    std::vector<std::string> questions;
    std::deque<bool> cancelAnswers;     // true = Cancel; empty = Cancel
    std::function<void()> whileAsking;  // what other handlers do while a question is open
    std::vector<int> exitCodes;
    bool stoppedStartup = false;
    bool isQuitting = false;
    int shutdowns = 0;
};
