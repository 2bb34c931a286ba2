#include "screens/about/makercontact.h"

const char kMakerContact[] = "Tel 01632 960418    www.vantora.example";
