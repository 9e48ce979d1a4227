#include "HidRecorderFile.h"

#include "Command.h"
#include "core/base/PrintableText.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace eboardctl {

std::vector<eboard::HidReport> readRecordingFile(const std::string& path) {
    const std::string shown = eboard::printableText(path);
    // A folder opens as a stream that simply reads nothing: ask first.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        throw Failure("cannot open recording " + shown + ": " + std::strerror(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        throw Failure("cannot open recording " + shown + ": " + std::strerror(EISDIR));
    }
    std::ifstream in(path);
    if (!in) {
        throw Failure("cannot open recording " + shown + ": " + std::strerror(errno));
    }
    eboard::HidRecordingResult result = eboard::readHidRecording(in);
    if (in.bad()) {
        throw Failure("cannot read recording " + shown + ": " + std::strerror(errno));
    }
    if (!result.ok()) {
        throw Failure(shown + ":" + std::to_string(result.errorLine) + ": " + result.error);
    }
    return std::move(result.reports);
}

} // namespace eboardctl
