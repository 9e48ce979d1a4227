#include "core/base/DataFile.h"

#include "core/base/FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace eboard {

namespace {

class NotRegularFileCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "eboard.data-file"; }
    std::string message(int kind) const override {
        switch (static_cast<NotRegularFile>(kind)) {
        case NotRegularFile::Fifo:
            return "it is a FIFO, not a regular file";
        case NotRegularFile::Directory:
            return "it is a directory, not a regular file";
        case NotRegularFile::Socket:
            return "it is a socket, not a regular file";
        case NotRegularFile::CharacterDevice:
            return "it is a character device, not a regular file";
        case NotRegularFile::BlockDevice:
            return "it is a block device, not a regular file";
        case NotRegularFile::Other:
            break;
        }
        return "it is not a regular file";
    }
    std::error_condition default_error_condition(int kind) const noexcept override {
        if (static_cast<NotRegularFile>(kind) == NotRegularFile::Directory) {
            return std::errc::is_a_directory;
        }
        return {kind, *this};
    }
};

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// None for a regular file.
std::error_code kindError(mode_t mode) {
    if (S_ISREG(mode)) {
        return {};
    }
    if (S_ISFIFO(mode)) {
        return NotRegularFile::Fifo;
    }
    if (S_ISDIR(mode)) {
        return NotRegularFile::Directory;
    }
    if (S_ISSOCK(mode)) {
        return NotRegularFile::Socket;
    }
    if (S_ISCHR(mode)) {
        return NotRegularFile::CharacterDevice;
    }
    if (S_ISBLK(mode)) {
        return NotRegularFile::BlockDevice;
    }
    return NotRegularFile::Other;
}

std::error_code readAll(int fd, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
    std::uint8_t chunk[4096];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return lastError();
        }
        if (count == 0) {
            return {};
        }
        bytes.insert(bytes.end(), chunk, chunk + count);
        if (bytes.size() > maxBytes) {
            return std::make_error_code(std::errc::file_too_large);
        }
    }
}

DataFile failed(std::error_code error) {
    return {{}, error};
}

} // namespace

const std::error_category& notRegularFileCategory() {
    static const NotRegularFileCategory category;
    return category;
}

std::error_code make_error_code(NotRegularFile kind) {
    return {static_cast<int>(kind), notRegularFileCategory()};
}

bool DataFile::missing() const {
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
}

DataFile readDataFile(const std::filesystem::path& path, std::size_t maxBytes) {
    // Looked at before opening: opening a device or socket can itself act or fail with a
    // reason that names nothing ("No such device or address").
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return failed(lastError());
    }
    if (const std::error_code kind = kindError(info.st_mode)) {
        return failed(kind);
    }
    // O_NONBLOCK: should a FIFO take the file's place meanwhile, open returns at once
    // instead of waiting for a writer; fstat then refuses it.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid() || ::fstat(file.get(), &info) != 0) {
        return failed(lastError());
    }
    if (const std::error_code kind = kindError(info.st_mode)) {
        return failed(kind);
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return failed(std::make_error_code(std::errc::file_too_large));
    }
    DataFile read;
    if (const std::error_code error = readAll(file.get(), maxBytes, read.bytes)) {
        return failed(error);
    }
    return read;
}

std::error_code regularFileOrNothingAt(const std::filesystem::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        // Nothing there, or nothing to be learnt: the write itself meets and reports it.
        return {};
    }
    return kindError(info.st_mode);
}

} // namespace eboard
