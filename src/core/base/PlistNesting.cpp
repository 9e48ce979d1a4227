#include "core/base/PlistNesting.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace eboard::plist {

namespace {

constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kTrailerSize = 32;

std::uint64_t bigEndian(std::span<const std::uint8_t> bytes) {
    std::uint64_t value = 0;
    for (const std::uint8_t byte : bytes) {
        value = (value << 8) | byte;
    }
    return value;
}

struct Trailer {
    std::size_t offsetSize = 0;
    std::size_t refSize = 0;
    std::uint64_t objectCount = 0;
    std::uint64_t topObject = 0;
    std::uint64_t tableOffset = 0;
};

std::optional<Trailer> readTrailer(std::span<const std::uint8_t> bytes) {
    const auto tail = bytes.last(kTrailerSize);
    Trailer trailer;
    trailer.offsetSize = tail[6];
    trailer.refSize = tail[7];
    trailer.objectCount = bigEndian(tail.subspan(8, 8));
    trailer.topObject = bigEndian(tail.subspan(16, 8));
    trailer.tableOffset = bigEndian(tail.subspan(24, 8));
    const std::uint64_t tableEnd = bytes.size() - kTrailerSize;
    const bool sizesValid = trailer.offsetSize >= 1 && trailer.offsetSize <= 8 &&
                            trailer.refSize >= 1 && trailer.refSize <= 8;
    if (!sizesValid || trailer.objectCount == 0 || trailer.topObject >= trailer.objectCount ||
        trailer.tableOffset < kHeaderSize || trailer.tableOffset > tableEnd ||
        trailer.objectCount > (tableEnd - trailer.tableOffset) / trailer.offsetSize) {
        return std::nullopt;
    }
    return trailer;
}

class ObjectTable {
public:
    ObjectTable(std::span<const std::uint8_t> bytes, const Trailer& trailer)
        : bytes_(bytes)
        , trailer_(trailer) {}

    // The references an object holds: none for a scalar, nullopt when it is malformed.
    struct Children {
        std::size_t first = 0; // byte position of the first reference
        std::uint64_t count = 0;
    };
    std::optional<Children> children(std::uint64_t object) const {
        const std::uint64_t offset = bigEndian(bytes_.subspan(
            trailer_.tableOffset + object * trailer_.offsetSize, trailer_.offsetSize));
        if (offset < kHeaderSize || offset >= trailer_.tableOffset) {
            return std::nullopt;
        }
        const std::uint8_t marker = bytes_[offset];
        const std::uint8_t kind = marker >> 4;
        // 0xA array, 0xB ordered set, 0xC set: count references; 0xD dictionary: twice that.
        if (kind < 0xA || kind > 0xD) {
            return Children{};
        }
        std::size_t position = offset + 1;
        std::uint64_t count = marker & 0x0F;
        if (count == 0x0F) { // the count follows as an integer object
            if (position >= bytes_.size() || (bytes_[position] >> 4) != 0x1) {
                return std::nullopt;
            }
            const std::size_t width = std::size_t{1} << (bytes_[position] & 0x0F);
            ++position;
            if (width > 8 || position + width > trailer_.tableOffset) {
                return std::nullopt;
            }
            count = bigEndian(bytes_.subspan(position, width));
            position += width;
        }
        const std::uint64_t references = kind == 0xD ? count * 2 : count;
        if (count > trailer_.tableOffset ||
            references > (trailer_.tableOffset - position) / trailer_.refSize) {
            return std::nullopt;
        }
        return Children{position, references};
    }

    std::uint64_t reference(std::size_t position) const {
        return bigEndian(bytes_.subspan(position, trailer_.refSize));
    }
    std::size_t refSize() const { return trailer_.refSize; }

private:
    std::span<const std::uint8_t> bytes_;
    Trailer trailer_;
};

} // namespace

bool binaryNestingWithin(std::span<const std::uint8_t> bytes, std::size_t maxDepth) {
    constexpr std::string_view kMagic = "bplist";
    if (bytes.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
        return true;
    }
    if (bytes.size() < kHeaderSize + kTrailerSize) {
        return false;
    }
    const std::optional<Trailer> trailer = readTrailer(bytes);
    if (!trailer) {
        return false;
    }
    const ObjectTable table(bytes, *trailer);

    // Depth-first over the reachable objects, each walked once. height: the objects on
    // the longest chain down from an object, final once it is Done; an object met again
    // while still Open closes a cycle. A chain's length is the stack's size below it.
    enum class Visit : std::uint8_t { New, Open, Done };
    std::vector<Visit> visit(trailer->objectCount, Visit::New);
    std::vector<std::uint32_t> height(trailer->objectCount, 0);
    // Nodes the parser would build below an object: it copies a shared object for every
    // reference, so a few hundred bytes of shared references can expand exponentially.
    std::vector<std::uint64_t> expanded(trailer->objectCount, 0);
    struct Frame {
        std::uint64_t object;
        ObjectTable::Children children;
        std::uint64_t next = 0;
    };
    std::vector<Frame> stack;

    // Counts a finished object into the open one above it.
    auto addChild = [&](std::uint64_t object) {
        const std::uint64_t parent = stack.back().object;
        height[parent] = std::max(height[parent], height[object] + 1);
        expanded[parent] += expanded[object];
        return expanded[parent] <= kMaxExpandedObjects;
    };

    // Opens object under the current stack; false when that makes the list unacceptable.
    auto enter = [&](std::uint64_t object) {
        if (object >= trailer->objectCount || visit[object] == Visit::Open) {
            return false;
        }
        if (visit[object] == Visit::Done) {
            return addChild(object) && stack.size() + height[object] <= maxDepth;
        }
        const std::optional<ObjectTable::Children> children = table.children(object);
        if (!children) {
            return false;
        }
        visit[object] = Visit::Open;
        height[object] = 1;
        expanded[object] = 1;
        stack.push_back(Frame{object, *children});
        return stack.size() <= maxDepth;
    };

    if (!enter(trailer->topObject)) {
        return false;
    }
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next < frame.children.count) {
            const std::uint64_t child =
                table.reference(frame.children.first + frame.next * table.refSize());
            ++frame.next;
            if (!enter(child)) {
                return false;
            }
            continue;
        }
        const std::uint64_t object = frame.object;
        stack.pop_back();
        visit[object] = Visit::Done;
        if (!stack.empty() && !addChild(object)) {
            return false;
        }
    }
    return true;
}

} // namespace eboard::plist
