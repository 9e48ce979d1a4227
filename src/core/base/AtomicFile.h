#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace eboard {

// Replaces the file at path with bytes so that a crash leaves either the old or the
// new content, never a mix: a temporary file in the same folder is written, synced
// and renamed over the target. Returns the first error met (the target is then untouched).
std::error_code writeFileAtomically(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> bytes);

} // namespace eboard
