#pragma once
// eboardctl run to its end from a shell, as a user runs it.

#include "support/RunCommand.h"

#include <filesystem>
#include <string>

namespace eboard::testing {

// One word for the shell (the tests' paths hold no single quote).
inline std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// Where what eboardctl writes on stderr goes: away, or into the output with stdout.
enum class Stderr { Dropped, Merged };

// The shell command line of `eboardctl arguments`, with HOME at home (and the settings
// under it) unless it is empty.
inline std::string eboardctlCommand(const std::string& arguments,
                                    const std::filesystem::path& home = {},
                                    Stderr errors = Stderr::Dropped) {
    return (home.empty() ? std::string()
                         : "env -u XDG_CONFIG_HOME HOME=" + quoted(home.string()) + " ") +
           EBOARD_BIN_DIR "/eboardctl " + arguments +
           (errors == Stderr::Merged ? " 2>&1" : " 2>/dev/null");
}

inline CommandResult eboardctl(const std::string& arguments, const std::filesystem::path& home = {},
                               Stderr errors = Stderr::Dropped) {
    return runCommand(eboardctlCommand(arguments, home, errors));
}

} // namespace eboard::testing
