// The control screen: the hub of the program. Its creation lays it out and loads the content.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class TZMHomeWin : public QWidget {
    Q_OBJECT
public:
    explicit TZMHomeWin(QWidget* parent = nullptr);
    ~TZMHomeWin() override;

    const std::vector<std::string>& placeNames() const { return placeNames_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<std::string> placeNames_;
};
