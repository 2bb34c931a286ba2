// The application-wide hint handler. Over the map surfaces (the detailed map and the London
// inset's picture) the hint is asked for at the pointer and asked again every 1500 ms while the
// pointer stays, so that moving along the map updates it; a map hint stays up while the pointer
// rests and hides 2000 ms after the last ask, every other hint 2000 ms after showing.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class MapHintProvider : public QObject {
    Q_OBJECT
  public:
    // The hint at a point of the surface, or none.
    using HintAt = std::function<std::optional<QString>(QPoint)>;

    explicit MapHintProvider(QObject* parent = nullptr);
    ~MapHintProvider() override;

    // Starts seeing every widget's hint requests.
    void install();
    void addSurface(QWidget* surface, HintAt hintAt);

    static constexpr int kReshowMs = 1500;
    static constexpr int kHidePauseMs = 2000;
    static constexpr int kLongerThanAnyPauseMs = 24 * 3600 * 1000;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Surface {
        QPointer<QWidget> widget;
        HintAt hintAt;
    };
    const Surface* surfaceOf(const QObject* object) const;
    void showHint(const Surface& surface, QPoint at, QPoint globalAt);
    void reshow();
    void hidePauseOver();

    std::vector<Surface> surfaces_;
    QPointer<QWidget> hovered_;
    QTimer reshowTimer_;
    QTimer hideTimer_;
    QString shown_;  // the map hint last shown
    bool installed_ = false;
};
