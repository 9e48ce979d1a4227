#include "core/calibration/Thresholds.h"

#include "core/base/AtomicFile.h"
#include "core/base/DataFile.h"
#include "core/base/IntegerValue.h"
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

ThresholdsLoad createDefaults(const std::filesystem::path& path) {
    const std::string xml = defaultThresholdsXml();
    const auto* data = reinterpret_cast<const std::uint8_t*>(xml.data());
    ThresholdsLoad load;
    load.thresholds = Thresholds::defaults();
    load.writeError = writeFileAtomically(path, std::span(data, xml.size()));
    load.created = !load.writeError;
    if (load.writeError) {
        load.message = "cannot create " + path.string() + " (" + load.writeError.message() +
                       "); grading with the default thresholds";
    }
    return load;
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

Thresholds thresholdsInForce(const std::filesystem::path& path) {
    const DataFile file = readDataFile(path, kMaxThresholdsBytes);
    if (file.missing()) {
        return Thresholds::defaults();
    }
    return file.error ? Thresholds{} : parseDictionary(file.bytes).value_or(Thresholds{});
}

ThresholdsLoad loadOrCreateThresholds(const std::filesystem::path& path) {
    const DataFile file = readDataFile(path, kMaxThresholdsBytes);
    if (file.missing()) {
        return createDefaults(path);
    }
    ThresholdsLoad load;
    if (file.error) {
        // Something is there (a link loop, a FIFO, a folder): it is the user's, never
        // replaced by a fresh file.
        load.readError = file.error;
        load.unreadable = true;
        load.message = "cannot read " + path.string() + " (" + file.error.message() +
                       "); grading with every threshold 0";
        return load;
    }
    const std::optional<Thresholds> parsed = parseDictionary(file.bytes);
    load.thresholds = parsed.value_or(Thresholds{});
    load.unreadable = !parsed;
    if (load.unreadable) {
        load.message =
            path.string() + " is no thresholds dictionary; grading with every threshold 0";
    }
    return load;
}

} // namespace eboard
