// The program's run: the windows in their fixed order, then the message loop. Returns the exit
// code once the program ends.
#pragma once

class QApplication;

// What the application object needs before any window: names, fonts, look, caches.
void SetUpApplication(QApplication& app);

int RunProgram();
