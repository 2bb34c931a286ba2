// The system beep, observable by tests.
#pragma once

#include <functional>

void Beep();
// While set, the observer is called instead of beeping.
void SetBeepObserver(std::function<void()> observer);
