// Which digit a key press stands for, by the key's place on the keyboard rather than the
// character it types: Shift held for a map peek, or a layout whose top row types other
// characters, still chooses the view tab of the digit on the key.
#pragma once

#include <Qt>
#include <QtGlobal>

// 0 to 9, or -1 for a key that is not a digit key. X keycodes 10 to 19 are the top row's keys
// 1 to 9 and 0; keypad digits count too; a key event made by a program (no scan code) keeps
// the character it carries.
int DigitOfKey(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode);
