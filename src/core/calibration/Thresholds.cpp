#include "core/calibration/Thresholds.h"

#include "core/base/AtomicFile.h"
#include "core/base/IntegerValue.h"
#include "core/base/Log.h"
#include "core/base/Plist.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace eboard {

namespace {

constexpr std::size_t kMaxThresholdsBytes = 1 << 20;

struct Entry {
    const char* key;
    std::int32_t Thresholds::*field;
    const char* defaultText;
};
// Sorted by key: the order Foundation writes a dictionary in XML.
constexpr std::array<Entry, 5> kEntries = {{
    {"AreaPer", &Thresholds::AreaPer, "65"},
    {"AreaPer1", &Thresholds::AreaPer1, "30"},
    {"AreaPer2", &Thresholds::AreaPer2, "15"},
    {"EdgePer", &Thresholds::EdgePer, "90"},
    {"MaxEdge", &Thresholds::MaxEdge, "500"},
}};

// integerValue of an NSString or NSNumber; anything else reads as 0.
std::int32_t integerValue(plist_t node) {
    if (const std::optional<std::string> text = plist::stringValue(node)) {
        return saturateToInt32(integerValueOfString(*text));
    }
    if (const std::optional<double> number = plist::numberValue(node)) {
        return truncateToInt32(*number);
    }
    return 0;
}

// nullopt when the bytes are no dictionary.
std::optional<Thresholds> parseDictionary(std::span<const std::uint8_t> bytes) {
    const plist::Node root = plist::parse(bytes);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) {
        return std::nullopt;
    }
    Thresholds thresholds;
    for (const Entry& entry : kEntries) {
        thresholds.*entry.field = integerValue(plist::dictItem(root.get(), entry.key));
    }
    return thresholds;
}

} // namespace

Thresholds parseThresholds(std::span<const std::uint8_t> bytes) {
    return parseDictionary(bytes).value_or(Thresholds{});
}

std::string defaultThresholdsXml() {
    plist::Node root{plist_new_dict()};
    for (const Entry& entry : kEntries) {
        plist_dict_set_item(root.get(), entry.key, plist_new_string(entry.defaultText));
    }
    return plist::toXml(root.get());
}

ThresholdsLoad loadOrCreateThresholds(const std::filesystem::path& path) {
    std::error_code status;
    const bool present = std::filesystem::exists(path, status);
    if (status && status != std::errc::no_such_file_or_directory) {
        // A path that cannot even be looked at (a symlink loop, a name too long) must not
        // be replaced by a fresh file.
        ThresholdsLoad load;
        load.readError = status;
        load.unreadable = true;
        return load;
    }
    if (present) {
        ThresholdsLoad load;
        const std::vector<std::uint8_t> bytes =
            plist::readFile(path, kMaxThresholdsBytes, load.readError);
        const std::optional<Thresholds> parsed =
            load.readError ? std::nullopt : parseDictionary(bytes);
        load.thresholds = parsed.value_or(Thresholds{});
        load.unreadable = !parsed;
        if (load.unreadable && !load.readError) {
            // Grading goes on, as it always has, but not silently.
            logWarning(path.string() +
                       " is no thresholds dictionary; grading with every threshold 0");
        }
        return load;
    }
    const std::string xml = defaultThresholdsXml();
    const auto* data = reinterpret_cast<const std::uint8_t*>(xml.data());
    ThresholdsLoad load;
    load.thresholds = Thresholds::defaults();
    load.writeError = writeFileAtomically(path, std::span(data, xml.size()));
    load.created = !load.writeError;
    return load;
}

} // namespace eboard
