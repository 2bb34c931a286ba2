#include "screens/show/showstate.h"

ShowState& ShowWindowState() {
    static ShowState state;
    return state;
}

void ResetShowState() { ShowWindowState() = ShowState(); }
