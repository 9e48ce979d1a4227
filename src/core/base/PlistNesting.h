#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace eboard::plist {

// Containers nested deeper than this are refused before any parser sees them: our own
// property lists are a few levels deep, and libplist's parser recurses once per level.
inline constexpr std::size_t kMaxNesting = 32;

// More nodes than this, counting a shared object once per reference, is no list of ours.
inline constexpr std::uint64_t kMaxExpandedObjects = 1 << 18;

// Whether bytes, when they are a binary property list, nest their containers at most
// maxDepth deep, form no cycle and expand to at most kMaxExpandedObjects nodes. Walks the object
// table with an explicit stack and visits each object once, so a hostile file costs time linear in
// its size. A binary list whose table or containers are out of bounds is refused too (no parser
// takes it). Anything that is not a binary property list passes.
bool binaryNestingWithin(std::span<const std::uint8_t> bytes, std::size_t maxDepth);

} // namespace eboard::plist
