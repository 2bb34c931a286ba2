#include "screens/explore/digitkeys.h"

namespace {

constexpr quint32 kTopRowFirst = 10;  // the key "1"
constexpr quint32 kTopRowZero = 19;   // the key "0"

}  // namespace

int DigitOfKey(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
    if (scanCode >= kTopRowFirst && scanCode <= kTopRowZero)
        return scanCode == kTopRowZero ? 0 : static_cast<int>(scanCode - kTopRowFirst) + 1;
    const bool digitCharacter = key >= Qt::Key_0 && key <= Qt::Key_9;
    if (digitCharacter && (scanCode == 0 || (modifiers & Qt::KeypadModifier)))
        return key - Qt::Key_0;
    return -1;
}
