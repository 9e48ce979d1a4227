#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>

namespace eboard {

// The five grading thresholds of "checkvalue.dat".
struct Thresholds {
    std::int32_t AreaPer = 0;  // diagnosis: above this is excellent
    std::int32_t AreaPer1 = 0; // diagnosis: above this is class 1
    std::int32_t AreaPer2 = 0; // above this class 2 (diagnosis) or a normal end; else poor
    std::int32_t EdgePer = 0;  // an edge ratio below this sets the edge flag
    std::int32_t MaxEdge = 0;  // a longer edge above this sets the long-edge flag

    static Thresholds defaults() { return {65, 30, 15, 90, 500}; }
    friend bool operator==(const Thresholds&, const Thresholds&) = default;
};

// Thresholds from property-list bytes (XML or binary) whose root is a dictionary;
// each value a decimal string or a number. Anything unreadable gives 0 for the
// thresholds it affects (all five when the bytes are no dictionary).
Thresholds parseThresholds(std::span<const std::uint8_t> bytes);

// The file the agent writes when none exists: the five default strings as XML,
// keys sorted and tab-indented, as Foundation lays it out.
std::string defaultThresholdsXml();

struct ThresholdsLoad {
    Thresholds thresholds;
    bool created = false;       // the file was missing and has been written
    std::error_code writeError; // set when it was missing and could not be written
    std::error_code readError;  // set when it is there but could not be read
    bool unreadable = false;    // there, but no dictionary: graded with every threshold 0
    // The one line a user should read about this grading's thresholds, naming the file
    // and what is graded with instead; empty when the file was read or created.
    std::string message;
};

// The thresholds in force at grading: read from path when a file exists there;
// otherwise the defaults, written to path atomically (a failed write is reported
// in writeError and the defaults are used all the same). Anything else at path that
// cannot be read as a dictionary (other bytes, a FIFO, a folder, a link loop) gives all
// thresholds 0 and is left as it is. Nothing is logged here: the caller shows message.
ThresholdsLoad loadOrCreateThresholds(const std::filesystem::path& path);
// The thresholds a grading would use now, without writing or logging anything.
Thresholds thresholdsInForce(const std::filesystem::path& path);

} // namespace eboard
