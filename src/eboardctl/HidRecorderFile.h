#pragma once

#include "core/frame/HidRecording.h"

#include <string>
#include <vector>

namespace eboardctl {

// The reports of a hid-recorder text file; a Failure naming the file and line otherwise.
std::vector<eboard::HidReport> readRecordingFile(const std::string& path);

} // namespace eboardctl
