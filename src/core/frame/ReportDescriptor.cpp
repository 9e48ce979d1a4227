#include "core/frame/ReportDescriptor.h"

#include <algorithm>
#include <array>

namespace eboard {

namespace {

enum class ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

namespace MainTag {
constexpr std::uint8_t kInput = 0x8;
constexpr std::uint8_t kCollection = 0xA;
constexpr std::uint8_t kEndCollection = 0xC;
} // namespace MainTag

namespace GlobalTag {
constexpr std::uint8_t kUsagePage = 0x0;
constexpr std::uint8_t kReportSize = 0x7;
constexpr std::uint8_t kReportId = 0x8;
constexpr std::uint8_t kReportCount = 0x9;
constexpr std::uint8_t kPush = 0xA;
constexpr std::uint8_t kPop = 0xB;
constexpr std::uint8_t kFirstReserved = 0xC;
} // namespace GlobalTag

namespace LocalTag {
constexpr std::uint8_t kUsage = 0x0;
constexpr std::uint8_t kUsageMinimum = 0x1;
} // namespace LocalTag

constexpr std::uint8_t kLongItemPrefix = 0xFE;

// The kernel's HID parser rejects descriptors beyond these, so no real unit exceeds them.
constexpr std::uint32_t kMaxReportSizeBits = 256;
constexpr std::uint32_t kMaxReportCount = 12288;
constexpr std::uint64_t kMaxReportBits = 16384ull * 8;
constexpr std::size_t kGlobalStackSize = 4;
constexpr std::size_t kMaxCollectionDepth = 64;
constexpr std::size_t kReportIdCount = 256;

struct Globals {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;
};

// The first usage of the local items since the last main item, as the collection sees it.
struct FirstUsage {
    bool present = false;
    std::uint32_t value = 0;
    bool extended = false; // four data bytes: the page is in the high half
};

struct Item {
    ItemType type = ItemType::Main;
    std::uint8_t tag = 0;
    std::uint8_t size = 0;
    std::uint32_t data = 0;
};

class Parser {
public:
    explicit Parser(std::span<const std::uint8_t> bytes)
        : bytes_(bytes) {}

    std::optional<ReportDescriptorSummary> run() {
        while (offset_ < bytes_.size()) {
            if (bytes_[offset_] == kLongItemPrefix) {
                if (!skipLongItem()) {
                    return std::nullopt;
                }
                continue;
            }
            Item item;
            if (!readShortItem(item) || !apply(item)) {
                return std::nullopt;
            }
        }
        if (depth_ != 0 || !topLevelSeen_) {
            return std::nullopt;
        }
        return summary();
    }

private:
    bool skipLongItem() {
        // 0xFE, data size, long tag, then the data.
        if (bytes_.size() - offset_ < 3) {
            return false;
        }
        const std::size_t dataSize = bytes_[offset_ + 1];
        if (bytes_.size() - offset_ - 3 < dataSize) {
            return false;
        }
        offset_ += 3 + dataSize;
        return true;
    }

    bool readShortItem(Item& item) {
        const std::uint8_t prefix = bytes_[offset_];
        static constexpr std::array<std::uint8_t, 4> kSizes = {0, 1, 2, 4};
        item.size = kSizes[prefix & 0x3];
        item.type = static_cast<ItemType>((prefix >> 2) & 0x3);
        item.tag = static_cast<std::uint8_t>(prefix >> 4);
        if (bytes_.size() - offset_ - 1 < item.size) {
            return false;
        }
        item.data = 0;
        for (std::size_t i = 0; i < item.size; ++i) {
            item.data |= static_cast<std::uint32_t>(bytes_[offset_ + 1 + i]) << (8 * i);
        }
        offset_ += 1 + item.size;
        return true;
    }

    bool apply(const Item& item) {
        switch (item.type) {
        case ItemType::Main:
            return applyMain(item);
        case ItemType::Global:
            return applyGlobal(item);
        case ItemType::Local:
            applyLocal(item);
            return true;
        case ItemType::Reserved:
            return true;
        }
        return true;
    }

    bool applyMain(const Item& item) {
        bool ok = true;
        switch (item.tag) {
        case MainTag::kInput:
            ok = addInput();
            break;
        case MainTag::kCollection:
            ok = openCollection();
            break;
        case MainTag::kEndCollection:
            ok = depth_ > 0;
            if (ok) {
                --depth_;
            }
            break;
        default: // Output, Feature and unknown main items carry nothing we need
            break;
        }
        firstUsage_ = FirstUsage{};
        return ok;
    }

    bool addInput() {
        const std::uint64_t bits =
            static_cast<std::uint64_t>(globals_.reportSize) * globals_.reportCount;
        std::uint64_t& total = inputBits_[globals_.reportId];
        total += bits;
        inputSeen_[globals_.reportId] = true;
        return total <= kMaxReportBits;
    }

    bool openCollection() {
        if (depth_ == 0 && !topLevelSeen_) {
            topLevelSeen_ = true;
            const bool fromUsage = firstUsage_.present && firstUsage_.extended;
            primaryUsagePage_ = static_cast<std::uint16_t>(fromUsage ? firstUsage_.value >> 16
                                                                     : globals_.usagePage);
        }
        ++depth_;
        return depth_ <= kMaxCollectionDepth;
    }

    bool applyGlobal(const Item& item) {
        switch (item.tag) {
        case GlobalTag::kUsagePage:
            globals_.usagePage = item.data;
            return item.data <= 0xFFFF;
        case GlobalTag::kReportSize:
            globals_.reportSize = item.data;
            return item.data <= kMaxReportSizeBits;
        case GlobalTag::kReportId:
            globals_.reportId = item.data;
            usesReportIds_ = true;
            return item.data != 0 && item.data < kReportIdCount;
        case GlobalTag::kReportCount:
            globals_.reportCount = item.data;
            return item.data <= kMaxReportCount;
        case GlobalTag::kPush:
            if (stackDepth_ == kGlobalStackSize) {
                return false;
            }
            stack_[stackDepth_++] = globals_;
            return true;
        case GlobalTag::kPop:
            if (stackDepth_ == 0) {
                return false;
            }
            globals_ = stack_[--stackDepth_];
            return true;
        default:
            return item.tag < GlobalTag::kFirstReserved;
        }
    }

    void applyLocal(const Item& item) {
        const bool isUsage = item.tag == LocalTag::kUsage || item.tag == LocalTag::kUsageMinimum;
        if (isUsage && !firstUsage_.present) {
            firstUsage_ = FirstUsage{true, item.data, item.size == 4};
        }
    }

    ReportDescriptorSummary summary() const {
        ReportDescriptorSummary result;
        result.usagePage = primaryUsagePage_;
        result.usesReportIds = usesReportIds_;
        bool anyInput = false;
        for (std::size_t id = 0; id < kReportIdCount; ++id) {
            if (!inputSeen_[id]) {
                continue;
            }
            anyInput = true;
            const auto bytes = static_cast<std::size_t>((inputBits_[id] + 7) / 8);
            result.maxInputReportSize = std::max(result.maxInputReportSize, bytes);
        }
        if (anyInput && usesReportIds_) {
            ++result.maxInputReportSize;
        }
        return result;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
    Globals globals_;
    std::array<Globals, kGlobalStackSize> stack_{};
    std::size_t stackDepth_ = 0;
    FirstUsage firstUsage_;
    std::size_t depth_ = 0;
    bool topLevelSeen_ = false;
    std::uint16_t primaryUsagePage_ = 0;
    bool usesReportIds_ = false;
    std::array<std::uint64_t, kReportIdCount> inputBits_{};
    std::array<bool, kReportIdCount> inputSeen_{};
};

} // namespace

std::optional<ReportDescriptorSummary> parseReportDescriptor(std::span<const std::uint8_t> bytes) {
    return Parser(bytes).run();
}

} // namespace eboard
