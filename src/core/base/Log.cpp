#include "core/base/Log.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace eboard {

namespace {

// When standard error is the journal's stream (systemd names it in JOURNAL_STREAM as
// "device:inode"), each line starts with its syslog priority, so that
// `journalctl -p warning` finds the warnings.
bool stderrIsTheJournal() {
    const char* stream = std::getenv("JOURNAL_STREAM");
    struct stat info {};
    if (stream == nullptr || ::fstat(fileno(stderr), &info) != 0) {
        return false;
    }
    unsigned long long device = 0;
    unsigned long long inode = 0;
    char end = '\0';
    return std::sscanf(stream, "%llu:%llu%c", &device, &inode, &end) == 2 &&
           device == info.st_dev && inode == info.st_ino;
}

void writeLine(std::string_view priority, std::string_view level, std::string_view message) {
    std::string line = stderrIsTheJournal() ? std::string(priority) : std::string();
    line.append("eboard: ").append(level).append(message).push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stderr);
}

} // namespace

void logWarning(std::string_view message) {
    writeLine("<4>", "warning: ", message);
}
void logInfo(std::string_view message) {
    writeLine("<6>", "", message);
}

} // namespace eboard
