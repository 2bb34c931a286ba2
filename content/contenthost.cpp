#include "content/contenthost.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Used until the program installs its shell: report on standard error and decline.
class StandaloneHost final : public ContentHost {
  public:
    void showError(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool askRetryCancel(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return true;
    }
    void stopStartup() override {}
    void shutdown() override {}
    bool quitting() const override { return false; }
    void exitProcess(int code) override { std::exit(code); }
};

StandaloneHost standaloneHost;
ContentHost* currentHost = &standaloneHost;

}  // namespace

void SetContentHost(ContentHost* host) { currentHost = host ? host : &standaloneHost; }

ContentHost& Host() { return *currentHost; }
