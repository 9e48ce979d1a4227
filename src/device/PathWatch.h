#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

class QObject;
class QSocketNotifier;

namespace eboard {

// Follows one path with inotify, on the event loop's thread: the name appearing in its
// folder (or a device node's permissions changing), going, the file being opened or
// closed after writing. No polling.
class PathWatch {
public:
    enum class Change { Appeared, Gone, Opened, Written };
    using Handler = std::function<void(Change)>;

    PathWatch(const std::filesystem::path& path, Handler handler, QObject* notifierParent);
    ~PathWatch();
    PathWatch(const PathWatch&) = delete;
    PathWatch& operator=(const PathWatch&) = delete;

    // Drops what the watch has seen so far: the caller's own open of the path, which
    // inotify would otherwise merge with a writer's open that follows it.
    void discardPending();

    // Set when the folder cannot be watched (it does not exist, no inotify left).
    std::error_code error() const { return error_; }

private:
    void watchPath();
    bool deviceNodeAtPath() const;
    void readEvents();

    std::filesystem::path path_;
    std::string name_;
    int folderWatch_ = -1;
    int pathWatch_ = -1; // the file or node now at the path
    Handler handler_;
    int fd_ = -1;
    std::error_code error_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace eboard
