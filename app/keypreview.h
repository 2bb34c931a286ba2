// A full-screen screen sees every key before the focused control does (the screens' key tables
// rely on it). Returning true consumes the key.
#pragma once

class QKeyEvent;

class KeyPreviewScreen {
  public:
    virtual ~KeyPreviewScreen() = default;
    virtual bool FormKeyDown(QKeyEvent* event) = 0;
    virtual bool FormKeyUp(QKeyEvent*) { return false; }
};
