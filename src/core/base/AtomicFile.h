#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace eboard {

// Replaces the file at path with bytes so that a crash leaves either the old or the
// new content, never a mix: a temporary file in the same folder is written, synced
// and renamed over the target. Returns the first error met (the target is then untouched).
// A symbolic link at path is followed: the file it points to is replaced in its own
// folder and the link stays. Anything there that is not a regular file (a FIFO, a socket,
// a device, a directory) is left alone and named in the error. The temporary file never
// outlives the call, even when the write runs into the file-size limit (that is an error,
// EFBIG, not the end of the process).
std::error_code writeFileAtomically(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> bytes);

} // namespace eboard
