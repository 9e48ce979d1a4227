#include <TamsuToolKit/Fade.h>

namespace TamsuToolKit::Fade {

namespace {

const QString kFadeName = QStringLiteral("TamsuToolKit.Fade");

QPropertyAnimation* animateOpacity(QWidget* window, double to) {
    for (auto* running :
         window->findChildren<QPropertyAnimation*>(kFadeName, Qt::FindDirectChildrenOnly)) {
        running->stop();
    }
    auto* animation = new QPropertyAnimation(window, "windowOpacity", window);
    animation->setObjectName(kFadeName);
    animation->setDuration(FadeDurationMs);
    animation->setStartValue(window->windowOpacity());
    animation->setEndValue(to);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    return animation;
}

} // namespace

QPropertyAnimation* fadeIn(QWidget* window) {
    window->setWindowOpacity(0.0);
    window->show();
    window->raise();
    window->activateWindow();
    return animateOpacity(window, 1.0);
}

QPropertyAnimation* fadeOut(QWidget* window) {
    return animateOpacity(window, 0.0);
}

} // namespace TamsuToolKit::Fade
