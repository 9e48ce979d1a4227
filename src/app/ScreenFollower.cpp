#include "app/ScreenFollower.h"

#include <QGuiApplication>
#include <QScreen>

namespace eboard {

ScreenFollower::ScreenFollower(std::function<void()> changed, QObject* parent)
    : QObject(parent)
    , changed_(std::move(changed)) {
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, [this] { changed_(); });
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr) {
        return;
    }
    connect(app, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        schedule();
    });
    connect(app, &QGuiApplication::screenRemoved, this, [this] { schedule(); });
    connect(app, &QGuiApplication::primaryScreenChanged, this, [this] { schedule(); });
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
}

void ScreenFollower::watch(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, [this] { schedule(); });
    connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { schedule(); });
    connect(screen, &QScreen::physicalDotsPerInchChanged, this, [this] { schedule(); });
}

void ScreenFollower::schedule() {
    if (!pending_.isActive()) {
        pending_.start();
    }
}

} // namespace eboard
