#pragma once

#include <QObject>
#include <functional>
#include <utility>

namespace eboardctl {

// Receives the bus library's local "Disconnected" signal (QtDBus delivers signals to
// slots only) and runs the given action.
class BusDisconnection : public QObject {
    Q_OBJECT
public:
    explicit BusDisconnection(std::function<void()> action)
        : action_(std::move(action)) {}

public slots:
    void disconnected() { action_(); }

private:
    std::function<void()> action_;
};

} // namespace eboardctl
