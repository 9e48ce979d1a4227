#include "HidRecorderFile.h"

#include "Command.h"

#include <fstream>

namespace eboardctl {

std::vector<eboard::HidReport> readRecordingFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw Failure("cannot open recording " + path);
    }
    eboard::HidRecordingResult result = eboard::readHidRecording(in);
    if (!result.ok()) {
        throw Failure(path + ":" + std::to_string(result.errorLine) + ": " + result.error);
    }
    return std::move(result.reports);
}

} // namespace eboardctl
