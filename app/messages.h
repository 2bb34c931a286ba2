// The program's message boxes: the product title in every caption and in place of APPNAME.
#pragma once

#include <string>

// A content file other than the table is missing or unreadable.
extern const char kCannotReadDataFiles[];

// Printing's messages, with their own caption.
extern const char kPrinterWithoutBitmaps[];
extern const char kPrintingStopped[];  // "%d": the error code

// The text with its first "APPNAME" replaced by the product title.
std::string ReplaceAppName(const std::string& text);

void ShowErrorBox(const std::string& text);
void ShowWarningBox(const std::string& text);
// True when the user chose Cancel.
bool AskRetryCancel(const std::string& text);
// Printing errors: the caption names the full product.
void ShowPrintErrorBox(const std::string& text);
