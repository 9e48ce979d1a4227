#include "core/base/AtomicFile.h"

#include "core/base/DataFile.h"
#include "core/base/FileDescriptor.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace eboard {

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

std::error_code writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return {};
}

// Writing past the file-size limit raises SIGXFSZ, whose default action ends the process
// between creating and removing the temporary file. Held blocked for the scope, the
// signal leaves write() failing with EFBIG instead; one it raised is taken back out.
class FileSizeSignalHold {
public:
    FileSizeSignalHold() {
        sigemptyset(&signal_);
        sigaddset(&signal_, SIGXFSZ);
        ::pthread_sigmask(SIG_BLOCK, &signal_, &previous_);
        sigset_t pending;
        ::sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGXFSZ) == 1;
    }
    ~FileSizeSignalHold() {
        if (!wasPending_) {
            const timespec now{0, 0};
            while (::sigtimedwait(&signal_, nullptr, &now) == SIGXFSZ) {
            }
        }
        ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    FileSizeSignalHold(const FileSizeSignalHold&) = delete;
    FileSizeSignalHold& operator=(const FileSizeSignalHold&) = delete;

private:
    sigset_t signal_{};
    sigset_t previous_{};
    bool wasPending_ = false;
};

// The file path finally names: a symbolic link is followed (through chains of them) so
// that the file it points to is replaced, not the link. A dangling link gives the file it
// would point to.
std::filesystem::path finalTarget(std::filesystem::path path, std::error_code& error) {
    constexpr int kMaxLinks = 40; // the kernel's own limit
    for (int i = 0; i < kMaxLinks; ++i) {
        std::error_code linkError;
        const std::filesystem::path next = std::filesystem::read_symlink(path, linkError);
        if (linkError) {
            // EINVAL: no link; ENOENT: nothing there yet. Both end the chain; anything
            // else the write itself will meet and report.
            return path;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return path;
}

// The process's umask without changing it: Linux tells it in /proc/self/status; where it
// does not, it is set and put back at once.
mode_t currentUmask() {
    if (FileDescriptor status(::open("/proc/self/status", O_RDONLY | O_CLOEXEC));
        status.get() >= 0) {
        char text[4096];
        const ssize_t size = ::read(status.get(), text, sizeof text - 1);
        if (size > 0) {
            text[size] = '\0';
            if (const char* line = std::strstr(text, "\nUmask:")) {
                return static_cast<mode_t>(std::strtoul(line + 7, nullptr, 8));
            }
        }
    }
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return mask;
}

// What the file gets: the permissions of the one it replaces, or those of any new file the
// user creates (0666 less the umask).
mode_t modeFor(const std::filesystem::path& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        return existing.st_mode & 07777;
    }
    return 0666 & ~currentUmask();
}

} // namespace

std::error_code writeFileAtomically(const std::filesystem::path& link,
                                    std::span<const std::uint8_t> bytes) {
    std::error_code linkError;
    const std::filesystem::path path = finalTarget(link, linkError);
    if (linkError) {
        return linkError;
    }
    // A FIFO, socket or device there is someone else's, not a file of ours to replace.
    if (const std::error_code occupied = regularFileOrNothingAt(path)) {
        return occupied;
    }
    const FileSizeSignalHold fileSizeSignal;
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    // Appended piece by piece: "." + name + ".XXXXXX" sets off a false -Wrestrict in GCC 12
    // at -O3.
    std::string hiddenName = ".";
    hiddenName += path.filename().string();
    hiddenName += ".XXXXXX";
    std::string temporary = (folder / hiddenName).string();

    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) {
        return lastError();
    }
    auto discard = [&temporary](std::error_code error) {
        ::unlink(temporary.c_str());
        return error;
    };
    // mkstemp creates the file 0600.
    if (::fchmod(file.get(), modeFor(path)) != 0) {
        return discard(lastError());
    }
    if (auto error = writeAll(file.get(), bytes)) {
        return discard(error);
    }
    if (::fsync(file.get()) != 0) {
        return discard(lastError());
    }
    if (::close(file.release()) != 0) {
        return discard(lastError());
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        return discard(lastError());
    }
    // Make the rename itself durable; failing to sync the folder loses nothing written.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace eboard
