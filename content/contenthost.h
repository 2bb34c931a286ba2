// How the content layer reaches the application shell: its message boxes, its shutdown and
// its Quitting flag. The program installs the shell's implementation; tests install a fake.
#pragma once

#include <string>

class ContentHost {
  public:
    virtual ~ContentHost() = default;
    virtual void showError(const std::string& text) = 0;
    // True when the user chose Cancel.
    virtual bool askRetryCancel(const std::string& text) = 0;
    virtual void stopStartup() = 0;
    virtual void shutdown() = 0;
    virtual bool quitting() const = 0;
    // Ends the process at once (a wait that can no longer be satisfied).
    virtual void exitProcess(int code) = 0;
};

void SetContentHost(ContentHost* host);
ContentHost& Host();
