#include "core/base/Plist.h"

#include "core/base/PlistNesting.h"

#include <cstdlib>
#include <limits>

namespace eboard::plist {

namespace {
struct MallocDeleter {
    void operator()(char* memory) const { std::free(memory); }
};
} // namespace

Node parse(std::span<const std::uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        return Node{};
    }
    if (!binaryNestingWithin(bytes, kMaxNesting)) {
        return Node{};
    }
    plist_t root = nullptr;
    plist_from_memory(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::uint32_t>(bytes.size()), &root);
    return Node{root};
}

std::vector<std::uint8_t> toBinary(plist_t node) {
    char* data = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(node, &data, &length);
    const std::unique_ptr<char, MallocDeleter> owned(data);
    if (data == nullptr) {
        return {};
    }
    const auto* begin = reinterpret_cast<const std::uint8_t*>(data);
    return std::vector<std::uint8_t>(begin, begin + length);
}

std::string toXml(plist_t node) {
    char* data = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(node, &data, &length);
    const std::unique_ptr<char, MallocDeleter> owned(data);
    return data == nullptr ? std::string{} : std::string(data, length);
}

plist_t dictItem(plist_t node, const char* key) {
    if (node == nullptr || plist_get_node_type(node) != PLIST_DICT) {
        return nullptr;
    }
    return plist_dict_get_item(node, key);
}

std::optional<double> numberValue(plist_t node) {
    if (node == nullptr) {
        return std::nullopt;
    }
    switch (plist_get_node_type(node)) {
    case PLIST_REAL: {
        double value = 0.0;
        plist_get_real_val(node, &value);
        return value;
    }
    case PLIST_UINT: {
        // libplist keeps integers as 64-bit unsigned; negative ones come back wrapped.
        std::uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return static_cast<double>(static_cast<std::int64_t>(value));
    }
    case PLIST_BOOLEAN: {
        std::uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value != 0 ? 1.0 : 0.0;
    }
    default:
        return std::nullopt;
    }
}

std::optional<std::string> stringValue(plist_t node) {
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING) {
        return std::nullopt;
    }
    // Not plist_get_string_val: it asserts (and so aborts) on a string holding a NUL,
    // which a hostile binary property list can carry. Such a string is kept whole.
    std::uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    return text == nullptr ? std::string{} : std::string(text, static_cast<std::size_t>(length));
}

} // namespace eboard::plist
