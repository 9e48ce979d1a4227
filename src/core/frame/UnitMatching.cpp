#include "core/frame/UnitMatching.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace eboard {

namespace {

bool parseHexField(std::string_view text, std::uint32_t& value) {
    if (text.empty() || text.size() > 8) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return error == std::errc() && end == text.data() + text.size();
}

std::string hex(std::uint32_t value, int digits) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "0x%0*x", digits, value);
    return text.data();
}

} // namespace

std::optional<HidId> parseHidId(std::string_view text) {
    const auto first = text.find(':');
    const auto second = first == std::string_view::npos ? first : text.find(':', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    HidId id;
    if (!parseHexField(text.substr(0, first), id.bus) ||
        !parseHexField(text.substr(first + 1, second - first - 1), id.vendor) ||
        !parseHexField(text.substr(second + 1), id.product)) {
        return std::nullopt;
    }
    return id;
}

bool hasUnitIds(const HidDeviceInfo& device, const UnitCriteria& criteria) {
    return device.id && device.id->vendor == criteria.vendor &&
           device.id->product == criteria.product;
}

UnitAssessment assessUnit(const HidDeviceInfo& device, const UnitCriteria& criteria) {
    UnitAssessment result;
    if (!hasUnitIds(device, criteria)) {
        return result;
    }
    if (!device.reportDescriptor) {
        result.verdict = UnitVerdict::NoDescriptor;
        return result;
    }
    result.descriptor = parseReportDescriptor(*device.reportDescriptor);
    if (!result.descriptor) {
        result.verdict = UnitVerdict::MalformedDescriptor;
    } else if (result.descriptor->usagePage != criteria.usagePage) {
        result.verdict = UnitVerdict::WrongUsagePage;
    } else if (result.descriptor->maxInputReportSize != criteria.reportSize) {
        result.verdict = UnitVerdict::WrongReportSize;
    } else {
        result.verdict = UnitVerdict::Usable;
    }
    return result;
}

std::string describeVerdict(const UnitAssessment& assessment, const UnitCriteria& criteria) {
    switch (assessment.verdict) {
    case UnitVerdict::Usable:
        return "usable";
    case UnitVerdict::OtherProduct:
        return "not the camera unit";
    case UnitVerdict::NoDescriptor:
        return "report descriptor unreadable";
    case UnitVerdict::MalformedDescriptor:
        return "malformed report descriptor";
    case UnitVerdict::WrongUsagePage:
        return "usage page " + hex(assessment.descriptor->usagePage, 2) + ", not " +
               hex(criteria.usagePage, 2);
    case UnitVerdict::WrongReportSize:
        return "wrong report size: input report of " +
               std::to_string(assessment.descriptor->maxInputReportSize) + " bytes, not " +
               std::to_string(criteria.reportSize);
    }
    return {};
}

} // namespace eboard
