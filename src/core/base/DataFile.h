#pragma once
// The agent's own data files (the calibration archive, the thresholds, agent.conf) are
// read only through here. Anyone can put a FIFO, a socket, a device or a folder at one
// of their paths: such a path is refused at once, with a reason a user can read, instead
// of blocking the reader (a FIFO's open waits for a writer) or being read as a file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <type_traits>
#include <vector>

namespace eboard {

// What stands at a data file's path instead of a regular file.
enum class NotRegularFile { Fifo = 1, Directory, Socket, CharacterDevice, BlockDevice, Other };

// Messages read as the reason after a path ("it is a FIFO, not a regular file"); a
// directory also compares equal to std::errc::is_a_directory.
const std::error_category& notRegularFileCategory();
std::error_code make_error_code(NotRegularFile kind);

struct DataFile {
    std::vector<std::uint8_t> bytes; // the whole content, when read
    std::error_code error;           // why it was not read; empty when it was

    // Nothing is at the path (a dangling link included): the ordinary first-run case,
    // unlike a link loop or a FIFO, which are there but unreadable.
    bool missing() const;
};

// The whole regular file at path (links followed), at most maxBytes of it (above that:
// file_too_large). Never blocks and never opens anything but a regular file.
DataFile readDataFile(const std::filesystem::path& path, std::size_t maxBytes);

// For writers that replace path: the error naming what is there when it is neither a
// regular file nor nothing (links are not followed: give the link's final target).
std::error_code regularFileOrNothingAt(const std::filesystem::path& path);

} // namespace eboard

template <> struct std::is_error_code_enum<eboard::NotRegularFile> : std::true_type {};
