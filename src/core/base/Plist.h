#pragma once

// Thin RAII layer over libplist's C API, for the agent's own property-list files.
#include <cstdint>
#include <memory>
#include <optional>
#include <plist/plist.h>
#include <span>
#include <string>
#include <vector>

namespace eboard::plist {

struct NodeDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using Node = std::unique_ptr<void, NodeDeleter>;

// Parses binary or XML property-list bytes; an empty Node when they are neither, or
// when a binary list nests deeper than kMaxNesting (checked before parsing).
Node parse(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> toBinary(plist_t node);
std::string toXml(plist_t node);

// The value of a dictionary entry, or nullptr when node is no dictionary or lacks key.
plist_t dictItem(plist_t node, const char* key);

// A number node (integer, real or boolean) as a double; nullopt for anything else.
std::optional<double> numberValue(plist_t node);
std::optional<std::string> stringValue(plist_t node);

} // namespace eboard::plist
