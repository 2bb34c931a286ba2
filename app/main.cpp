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

int main(int argc, char** argv) {
    ReturnLargeBlocksWhenFreed();
    FontConfigWarmUp fonts;  // read while the display connection opens
    QApplication app(argc, argv);
    fonts.wait();
    SetUpApplication(app);
    fonts.ListFamilies();  // while the title window is made
    int exitCode = 0;
    try {
        Content().Tour = EditionTourTable();
        exitCode = RunProgram();
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    }
    fonts.wait();
    return exitCode;
}
