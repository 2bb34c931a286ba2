#include "app/messages.h"

#include "app/startupstate.h"
#include "platform/messagebox.h"

const char kCannotReadDataFiles[] = "Cannot read data files - is APPNAME correctly installed?";

const char kPrinterWithoutBitmaps[] = "Printer does not print bitmaps";
const char kPrintingStopped[] = "Printing stopped with error code %d";

namespace {

const char kPrintErrorCaption[] = "Vantora Verdanis Error";

const std::string kPlaceholder = "APPNAME";

std::string caption(const char* suffix) { return std::string(kProductTitle) + suffix; }

}  // namespace

std::string ReplaceAppName(const std::string& text) {
    std::string out = text;
    const size_t at = out.find(kPlaceholder);
    if (at != std::string::npos) out.replace(at, kPlaceholder.size(), kProductTitle);
    return out;
}

void ShowErrorBox(const std::string& text) {
    ShowMessageBox(caption(" Error"), ReplaceAppName(text), MessageButtons::Ok);
}

void ShowWarningBox(const std::string& text) {
    ShowMessageBox(caption(" Warning"), ReplaceAppName(text), MessageButtons::Ok);
}

bool AskRetryCancel(const std::string& text) {
    return ShowMessageBox(caption(" Error"), ReplaceAppName(text), MessageButtons::RetryCancel) ==
           MessageAnswer::Cancel;
}

void ShowPrintErrorBox(const std::string& text) {
    ShowMessageBox(kPrintErrorCaption, text, MessageButtons::Ok);
}
