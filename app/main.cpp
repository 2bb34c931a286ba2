// Program entry: the application object, then the program's run.

#include <QApplication>
#include <exception>

#include "app/messages.h"
#include "app/programrun.h"
#include "app/startupstate.h"
#include "content/datatables.h"
#include "edition/editiontour.h"
#include "platform/fontwarmup.h"
#include "platform/memoryuse.h"
#include "platform/sessionbuswarmup.h"

int main(int argc, char** argv) {
    ReturnLargeBlocksWhenFreed();
    QApplication app(argc, argv);
    // Both while the title window is made.
    const SessionBusWarmUp bus;
    SetUpApplication(app);
    const FontConfigWarmUp fonts;
    int exitCode = 0;
    try {
        Content().Tour = EditionTourTable();
        exitCode = RunProgram();
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    }
    return exitCode;
}
