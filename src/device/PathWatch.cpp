#include "device/PathWatch.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace eboard {

PathWatch::PathWatch(const std::filesystem::path& path, Handler handler, QObject* notifierParent)
    : name_(path.filename().string())
    , handler_(std::move(handler)) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) {
        error_ = {errno, std::generic_category()};
        return;
    }
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    // The folder tells only of names coming and going, so that a busy folder such as /tmp
    // does not wake the agent for every file used in it; the path itself tells the rest.
    folderWatch_ = ::inotify_add_watch(
        fd_, folder.c_str(), IN_CREATE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM | IN_ONLYDIR);
    if (folderWatch_ < 0) {
        error_ = {errno, std::generic_category()};
        return;
    }
    path_ = path;
    watchPath();
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read, notifierParent);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readEvents(); });
}

PathWatch::~PathWatch() {
    *alive_ = false;
    notifier_.reset();
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void PathWatch::watchPath() {
    // Fails while nothing is at the path; its appearing in the folder brings us back.
    pathWatch_ = ::inotify_add_watch(fd_, path_.c_str(), IN_OPEN | IN_CLOSE_WRITE | IN_ATTRIB);
}

bool PathWatch::deviceNodeAtPath() const {
    struct stat status {};
    return ::stat(path_.c_str(), &status) == 0 && S_ISCHR(status.st_mode);
}

void PathWatch::discardPending() {
    std::array<char, 4096> buffer{};
    while (fd_ >= 0 && ::read(fd_, buffer.data(), buffer.size()) > 0) {
    }
}

void PathWatch::readEvents() {
    std::vector<Change> changes;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t count = ::read(fd_, buffer.data(), buffer.size());
        if (count <= 0) {
            break; // EAGAIN: all read
        }
        for (ssize_t offset = 0; offset < count;) {
            inotify_event event{};
            std::memcpy(&event, buffer.data() + offset, sizeof event);
            const char* name = buffer.data() + offset + sizeof(inotify_event);
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
            if (event.wd == folderWatch_ && event.len > 0 && name_ == name) {
                if ((event.mask & (IN_CREATE | IN_MOVED_TO)) != 0) {
                    watchPath(); // a new file or node at the path
                    changes.push_back(Change::Appeared);
                } else {
                    changes.push_back(Change::Gone);
                }
            } else if (event.wd == pathWatch_ && pathWatch_ >= 0) {
                // A device node is usable only once udev has set its permissions. (Removal
                // changes a file's link count too: that is no appearance.)
                if ((event.mask & IN_ATTRIB) != 0) {
                    if (deviceNodeAtPath()) {
                        changes.push_back(Change::Appeared);
                    }
                } else if ((event.mask & IN_OPEN) != 0) {
                    changes.push_back(Change::Opened);
                } else if ((event.mask & IN_CLOSE_WRITE) != 0) {
                    changes.push_back(Change::Written);
                }
            }
        }
    }
    // A handler may destroy this object; the rest of the changes then go nowhere.
    const std::shared_ptr<bool> alive = alive_;
    const Handler handler = handler_;
    for (const Change change : changes) {
        if (!*alive) {
            return;
        }
        handler(change);
    }
}

} // namespace eboard
