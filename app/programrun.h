// The program's run: the windows in their fixed order, then the message loop. Returns the exit
// code once the program ends.
#pragma once

int RunProgram();
