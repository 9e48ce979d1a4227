#include "device/HidrawDevice.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace eboard {

int openNodeForReading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return -errno;
    }
    // A folder opens for reading too, only to fail at the first read.
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        ::close(fd);
        return -EISDIR;
    }
    return fd;
}

namespace {
bool isCharacterDevice(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISCHR(status.st_mode);
}
} // namespace

HidrawDevice::HidrawDevice(int fd, std::size_t streamReportSize, ReportHandler onReport,
                           GoneHandler onGone, QObject* notifierParent)
    : fd_(fd)
    , packets_(isCharacterDevice(fd))
    , streamReportSize_(std::clamp<std::size_t>(streamReportSize, 1, kReadBufferSize))
    , onReport_(std::move(onReport))
    , onGone_(std::move(onGone))
    , notifier_(std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read, notifierParent)) {
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readReady(); });
}

HidrawDevice::~HidrawDevice() {
    notifier_.reset();
    ::close(fd_);
}

void HidrawDevice::readReady() {
    // A stream has no report boundaries: collect exactly one report's bytes, however
    // the writer's chunks fall.
    const std::size_t wanted = packets_ ? buffer_.size() : streamReportSize_ - filled_;
    const ssize_t count = ::read(fd_, buffer_.data() + (packets_ ? 0 : filled_), wanted);
    const int error = count < 0 ? errno : 0;
    if (error == EAGAIN || error == EWOULDBLOCK || error == EINTR) {
        return;
    }
    if (count <= 0) {
        // 0: end of file or the node closed under us; EIO, ENODEV: the unit was pulled.
        // Any other error would repeat forever, so it ends the unit too. The handler may
        // destroy this object: nothing is touched after it.
        notifier_->setEnabled(false);
        const GoneHandler onGone = onGone_;
        onGone(error);
        return;
    }
    if (packets_) {
        onReport_(std::span<const std::uint8_t>(buffer_.data(), static_cast<std::size_t>(count)));
        return;
    }
    filled_ += static_cast<std::size_t>(count);
    if (filled_ == streamReportSize_) {
        filled_ = 0;
        onReport_(std::span<const std::uint8_t>(buffer_.data(), streamReportSize_));
    }
}

} // namespace eboard
