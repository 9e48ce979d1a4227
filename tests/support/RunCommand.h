#pragma once
// Runs a shell command line from a test and collects what it prints on stdout.

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace eboard::testing {

struct CommandResult {
    int status = -1; // exit status; -1 when it could not run or did not exit normally
    std::string out;
};

inline CommandResult runCommand(const std::string& commandLine) {
    CommandResult result;
    std::FILE* pipe = ::popen(commandLine.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace eboard::testing
