#pragma once
// Binary property lists built byte by byte, shaped to hurt a parser: libplist cannot
// build them (it would recurse or expand just like the parser under test).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace eboard::testing {

namespace detail {

inline void appendBigEndian(std::vector<std::uint8_t>& out, std::uint64_t value,
                            std::size_t width) {
    for (std::size_t i = width; i-- > 0;) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

inline std::size_t widthFor(std::uint64_t largest) {
    std::size_t width = 1;
    while (width < 8 && (largest >> (8 * width)) != 0) {
        ++width;
    }
    return width;
}

// objects[i] lists the references of array i; an empty list is an empty array.
inline std::vector<std::uint8_t> arraysPlist(const std::vector<std::vector<std::uint64_t>>& objects,
                                             std::uint64_t top = 0) {
    const std::size_t refSize = widthFor(objects.size());
    std::vector<std::uint8_t> out = {'b', 'p', 'l', 'i', 's', 't', '0', '0'};
    std::vector<std::uint64_t> offsets;
    for (const auto& references : objects) {
        offsets.push_back(out.size());
        if (references.size() < 15) {
            out.push_back(static_cast<std::uint8_t>(0xA0 | references.size()));
        } else {
            out.push_back(0xAF);
            out.push_back(0x13); // an 8-byte integer count
            appendBigEndian(out, references.size(), 8);
        }
        for (const std::uint64_t reference : references) {
            appendBigEndian(out, reference, refSize);
        }
    }
    const std::uint64_t tableOffset = out.size();
    const std::size_t offsetSize = widthFor(tableOffset);
    for (const std::uint64_t offset : offsets) {
        appendBigEndian(out, offset, offsetSize);
    }
    out.insert(out.end(), 6, 0);
    out.push_back(static_cast<std::uint8_t>(offsetSize));
    out.push_back(static_cast<std::uint8_t>(refSize));
    appendBigEndian(out, objects.size(), 8);
    appendBigEndian(out, top, 8);
    appendBigEndian(out, tableOffset, 8);
    return out;
}

} // namespace detail

// depth one-element arrays, each inside the one before: 140,000 levels take under 1 MiB.
inline std::vector<std::uint8_t> nestedArraysPlist(std::size_t depth) {
    std::vector<std::vector<std::uint64_t>> objects(depth);
    for (std::size_t i = 0; i + 1 < depth; ++i) {
        objects[i] = {i + 1};
    }
    return detail::arraysPlist(objects);
}

// levels arrays, each holding the next one twice: tiny, yet 2^levels nodes when every
// reference is parsed as a copy.
inline std::vector<std::uint8_t> doublingArraysPlist(std::size_t levels) {
    std::vector<std::vector<std::uint64_t>> objects(levels);
    for (std::size_t i = 0; i + 1 < levels; ++i) {
        objects[i] = {i + 1, i + 1};
    }
    return detail::arraysPlist(objects);
}

// Array 0 holds array 1, which holds array 0 again.
inline std::vector<std::uint8_t> cyclicArraysPlist() {
    return detail::arraysPlist({{1}, {0}});
}

} // namespace eboard::testing
