#pragma once
// Things that are not regular files, put where a data file belongs, as a hostile user
// (or an accident) would.

#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace eboard::testing {

inline void makeFifo(const std::filesystem::path& path) {
    if (::mkfifo(path.c_str(), 0600) != 0) {
        throw std::runtime_error("mkfifo " + path.string() + " failed");
    }
}

// A bound socket leaves its node behind once closed.
inline void makeSocket(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    if (!bound) {
        throw std::runtime_error("bind " + path.string() + " failed");
    }
}

// A link that names itself: every lookup through it fails with ELOOP.
inline void makeLinkLoop(const std::filesystem::path& path) {
    std::filesystem::create_symlink(path.filename(), path);
}

// SIGALRM ends the test process if the scope outlasts seconds: a reader blocked on a FIFO
// fails the test instead of hanging it.
struct HangGuard {
    explicit HangGuard(unsigned seconds) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
};

} // namespace eboard::testing
