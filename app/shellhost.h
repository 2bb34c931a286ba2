// The content layer's view of the shell: boxes, StopStartup, shutdown and Quitting.
#pragma once

#include "content/contenthost.h"

class ShellHost final : public ContentHost {
  public:
    void showError(const std::string& text) override;
    bool askRetryCancel(const std::string& text) override;
    void stopStartup() override;
    void shutdown() override;
    bool quitting() const override;
    void exitProcess(int code) override;
};
