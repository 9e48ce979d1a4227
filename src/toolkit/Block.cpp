#include <TamsuToolKit/Block.h>
#include <chrono>
#include <cmath>

namespace TamsuToolKit::Block {

namespace {

// Keeps the block alive as long as its timer: a child object of the timer.
class TimerBlockHolder : public QObject {
public:
    TimerBlockHolder(TimerBlock block, QTimer* timer)
        : QObject(timer)
        , block_(std::move(block)) {
        setObjectName(QStringLiteral("TamsuToolKit.TimerBlock"));
    }
    const TimerBlock& block() const { return block_; }

private:
    TimerBlock block_;
};

QTimer* makeTimer(double seconds, TimerBlock block, const QVariant& userInfo, bool repeats,
                  QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setInterval(static_cast<int>(std::lround(std::max(seconds, 0.0) * 1000.0)));
    timer->setSingleShot(!repeats);
    timer->setProperty("userInfo", userInfo);
    new TimerBlockHolder(std::move(block), timer);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] { timerBlockProc(timer); });
    return timer;
}

} // namespace

void timerBlockProc(QTimer* timer) {
    const auto* holder = timer->findChild<TimerBlockHolder*>(
        QStringLiteral("TamsuToolKit.TimerBlock"), Qt::FindDirectChildrenOnly);
    if (holder != nullptr && holder->block()) {
        // A copy: the block may delete its timer, and the holder with it.
        const TimerBlock block = holder->block();
        block(timer);
    }
}

QTimer* timerWithTimeInterval(double seconds, TimerBlock block, const QVariant& userInfo,
                              bool repeats, QObject* parent) {
    return makeTimer(seconds, std::move(block), userInfo, repeats, parent);
}

QTimer* scheduledTimerWithTimeInterval(double seconds, TimerBlock block, const QVariant& userInfo,
                                       bool repeats, QObject* parent) {
    QTimer* timer = makeTimer(seconds, std::move(block), userInfo, repeats, parent);
    if (parent == nullptr && !repeats) {
        QObject::connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
    }
    timer->start();
    return timer;
}

} // namespace TamsuToolKit::Block
