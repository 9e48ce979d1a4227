#include "core/base/Log.h"

#include <cstdio>
#include <string>

namespace eboard {

namespace {
void writeLine(std::string_view level, std::string_view message) {
    std::string line = "eboard: ";
    line.append(level).append(message).push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stderr);
}
} // namespace

void logWarning(std::string_view message) {
    writeLine("warning: ", message);
}
void logInfo(std::string_view message) {
    writeLine("", message);
}

} // namespace eboard
