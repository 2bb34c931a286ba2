#include "platform/printbox.h"

#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace {

struct PrintBoxes {
    QPrinter printer{QPrinter::HighResolution};
    QPointer<QWidget> owner;
    PrintBoxResponder responder;
    PrinterFaults faults;
    bool printOpen = false;
    bool setupOpen = false;
};

PrintBoxes& boxes() {
    static PrintBoxes theBoxes;
    return theBoxes;
}

// Marks a dialog open while it runs.
class OpenFlag {
  public:
    explicit OpenFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~OpenFlag() { flag_ = false; }
    OpenFlag(const OpenFlag&) = delete;
    OpenFlag& operator=(const OpenFlag&) = delete;

  private:
    bool& flag_;
};

}  // namespace

QPrinter& SharedPrinter() { return boxes().printer; }

void SetPrintBoxOwner(QWidget* owner) { boxes().owner = owner; }

bool RunPrintBox() {
    PrintBoxes& b = boxes();
    const OpenFlag open(b.printOpen);
    if (b.responder) return b.responder(b.printer);
    QPrintDialog dialog(&b.printer, b.owner);
    return dialog.exec() == QDialog::Accepted;
}

bool RunPrinterSetupBox() {
    PrintBoxes& b = boxes();
    const OpenFlag open(b.setupOpen);
    if (b.responder) return b.responder(b.printer);
    QPageSetupDialog dialog(&b.printer, b.owner);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintBoxOpen() { return boxes().printOpen; }

bool PrinterSetupBoxOpen() { return boxes().setupOpen; }

void SetPrintBoxResponder(PrintBoxResponder responder) { boxes().responder = std::move(responder); }

void InjectPrinterFaults(const PrinterFaults& faults) { boxes().faults = faults; }

const PrinterFaults& InjectedPrinterFaults() { return boxes().faults; }

bool PrinterPrintsBitmaps() { return !boxes().faults.noBitmaps; }
