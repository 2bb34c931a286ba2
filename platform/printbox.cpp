#include "platform/printbox.h"

#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

namespace {

struct PrintBoxes {
    // Made when printing first needs it: making one asks the print system for its printers,
    // which may mean a network connection.
    std::unique_ptr<QPrinter> printer;
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

QPrinter& SharedPrinter() {
    PrintBoxes& b = boxes();
    if (!b.printer) b.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *b.printer;
}

void SetPrintBoxOwner(QWidget* owner) { boxes().owner = owner; }

bool RunPrintBox() {
    PrintBoxes& b = boxes();
    const OpenFlag open(b.printOpen);
    if (b.responder) return b.responder(SharedPrinter());
    QPrintDialog dialog(&SharedPrinter(), b.owner);
    return dialog.exec() == QDialog::Accepted;
}

bool RunPrinterSetupBox() {
    PrintBoxes& b = boxes();
    const OpenFlag open(b.setupOpen);
    if (b.responder) return b.responder(SharedPrinter());
    QPageSetupDialog dialog(&SharedPrinter(), b.owner);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintBoxOpen() { return boxes().printOpen; }

bool PrinterSetupBoxOpen() { return boxes().setupOpen; }

void SetPrintBoxResponder(PrintBoxResponder responder) { boxes().responder = std::move(responder); }

void InjectPrinterFaults(const PrinterFaults& faults) { boxes().faults = faults; }

const PrinterFaults& InjectedPrinterFaults() { return boxes().faults; }

bool PrinterPrintsBitmaps() { return !boxes().faults.noBitmaps; }
