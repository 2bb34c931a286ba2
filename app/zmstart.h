// The title window: the program's first window. Its creation runs the start-up checks.
#pragma once

#include <QWidget>

class TZMStartWin : public QWidget {
    Q_OBJECT
public:
    explicit TZMStartWin(QWidget* parent = nullptr);
    ~TZMStartWin() override;
};
