#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QScreen;

namespace eboard {

// Calls back once the screens have changed: an output added or removed, moved, resized,
// rescaled, or another one made primary. A burst of changes (a projector plugged in moves
// and resizes several outputs) gives one call, on the next pass of the main loop.
class ScreenFollower : public QObject {
    Q_OBJECT
public:
    explicit ScreenFollower(std::function<void()> changed, QObject* parent = nullptr);

private:
    void watch(QScreen* screen);
    void schedule();

    std::function<void()> changed_;
    QTimer pending_;
};

} // namespace eboard
