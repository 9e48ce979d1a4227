#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <TamsuToolKit/MainThread.h>

namespace TamsuToolKit::MainThread {

void postNotificationOnMainThread(std::function<void()> post, bool waitUntilDone) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || !post) {
        return;
    }
    const bool onMainThread = QThread::currentThread() == app->thread();
    if (waitUntilDone && onMainThread) {
        post();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(post),
                              waitUntilDone ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

} // namespace TamsuToolKit::MainThread
