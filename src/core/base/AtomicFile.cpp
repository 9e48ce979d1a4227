#include "core/base/AtomicFile.h"

#include "core/base/FileDescriptor.h"

#include <cerrno>
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

} // namespace

std::error_code writeFileAtomically(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> bytes) {
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
    // mkstemp creates the file 0600; an archive is an ordinary user file.
    if (::fchmod(file.get(), 0644) != 0) {
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
