#pragma once
// Figures the benchmark programs print: medians and resident memory.

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace eboard::bench {

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// VmRSS of a process ("self" for this one) in KiB, or -1 when it cannot be read.
inline long residentKiB(const std::string& pid = "self") {
    std::ifstream status("/proc/" + pid + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// The anonymous, file-backed and shared parts of a process's resident memory, as one line.
inline std::string residentParts(const std::string& pid = "self") {
    std::ifstream status("/proc/" + pid + "/status");
    std::string parts;
    for (std::string line; std::getline(status, line);) {
        for (const char* key : {"RssAnon:", "RssFile:", "RssShmem:"}) {
            if (line.rfind(key, 0) == 0) {
                const std::string name(key, std::char_traits<char>::length(key) - 1);
                parts += (parts.empty() ? "" : ", ") + name + " " +
                         std::to_string(std::strtol(line.c_str() + name.size() + 1, nullptr, 10)) +
                         " kB";
            }
        }
    }
    return parts;
}

} // namespace eboard::bench
