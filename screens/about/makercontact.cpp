#include "screens/about/makercontact.h"

const char kMakerContact[] = "Tel 01632 960 418    www.vantora-software.example";
