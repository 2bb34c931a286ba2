// The program's print and printer set-up dialogs and the one printer they set up. The detailed
// map window owns the dialogs; the view, the map and the help text all print through them, so
// a choice made in the set-up holds for every print.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

QPrinter& SharedPrinter();
void SetPrintBoxOwner(QWidget* owner);

// True when the user chose to print (or, for the set-up, OK).
bool RunPrintBox();
bool RunPrinterSetupBox();
bool PrintBoxOpen();
bool PrinterSetupBoxOpen();

// Tests answer the dialogs instead of a user: the responder sets the printer up (a PDF file)
// and returns the answer. An empty responder puts the dialogs back.
using PrintBoxResponder = std::function<bool(QPrinter& printer)>;
void SetPrintBoxResponder(PrintBoxResponder responder);

// Faults a real printer can have, played in tests.
struct PrinterFaults {
    bool noBitmaps = false;  // the printer cannot print bitmaps
    int failingStrip = -1;   // this strip of a picture fails to go out
    int errorCode = 0;       // the error it fails with
};
void InjectPrinterFaults(const PrinterFaults& faults);
const PrinterFaults& InjectedPrinterFaults();

// Whether the printer can take stretched bitmaps.
bool PrinterPrintsBitmaps();
