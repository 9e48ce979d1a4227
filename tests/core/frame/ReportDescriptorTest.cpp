// Report descriptors of real device kinds, written out from the HID 1.11 standard's
// examples and the descriptors such devices commonly carry, plus malformed ones.
#include "core/frame/ReportDescriptor.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace eboard {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Boot-protocol mouse: three buttons, 5 bits padding, relative X and Y.
const Bytes kMouse = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, // Generic Desktop, Mouse, Application
                      0x09, 0x01, 0xA1, 0x00,             //   Pointer, Physical
                      0x05, 0x09, 0x19, 0x01, 0x29, 0x03, //     Buttons 1..3
                      0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, //     3 x 1 bit
                      0x81, 0x02,                                     //     Input (Data,Var,Abs)
                      0x95, 0x01, 0x75, 0x05, 0x81, 0x01, //     1 x 5 bits, Input (Const)
                      0x05, 0x01, 0x09, 0x30, 0x09, 0x31, //     X, Y
                      0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, //     2 x 8 bits, -127..127
                      0x81, 0x06,                                     //     Input (Data,Var,Rel)
                      0xC0, 0xC0};

// Keyboard with report ID 1 (modifiers, reserved byte, LED output, six key codes) and a
// consumer-control collection with report ID 2: a multi-collection device.
const Bytes kKeyboardWithConsumer = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01,             // Keyboard, Report ID 1
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01, //   modifiers
    0x75, 0x01, 0x95, 0x08, 0x81, 0x02,                         //   8 x 1 bit
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,                         //   reserved byte
    0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, //   LEDs
    0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01,             //   Output, padding
    0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x25, 0x65,             //   6 key codes
    0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0,       //   Input (Data,Array)
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x02,             // Consumer, Report ID 2
    0x15, 0x00, 0x26, 0xFF, 0x03, 0x19, 0x00, 0x2A, 0xFF, 0x03, //   usages 0..0x3FF
    0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0};                  //   1 x 16 bits

// Consumer-control device: volume up/down, mute, play/pause as bits, 4 bits padding.
const Bytes kConsumerControl = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x25, 0x01,
                                0x09, 0xE9, 0x09, 0xEA, 0x09, 0xE2, 0x09, 0xCD, 0x75, 0x01,
                                0x95, 0x04, 0x81, 0x02, 0x95, 0x04, 0x81, 0x01, 0xC0};

// Vendor-defined page 0xFF00 with a 64-byte input and a 64-byte output report, the
// typical layout of a firmware-update or sensor interface.
const Bytes kVendor64 = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00,
                         0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40, 0x09, 0x01,
                         0x81, 0x02, 0x95, 0x40, 0x09, 0x01, 0x91, 0x02, 0xC0};

// The camera unit: Consumer page, 20 bytes in, no report IDs.
const Bytes kUnit = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF,
                     0x00, 0x75, 0x08, 0x95, 0x14, 0x09, 0x01, 0x81, 0x02, 0xC0};

struct ValidCase {
    const char* name;
    Bytes bytes;
    std::uint16_t usagePage;
    std::size_t maxInputReportSize;
    bool usesReportIds;
};

class ValidDescriptorTest : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ValidDescriptorTest, GivesPrimaryUsagePageAndLargestInputReport) {
    const ValidCase& c = GetParam();
    const auto summary = parseReportDescriptor(c.bytes);
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->usagePage, c.usagePage);
    EXPECT_EQ(summary->maxInputReportSize, c.maxInputReportSize);
    EXPECT_EQ(summary->usesReportIds, c.usesReportIds);
}

Bytes pushPopAroundBigReport() {
    // 20 x 8 bits, then Push, a 64 x 16-bit feature report, Pop: the input after it uses
    // the restored globals.
    return {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x14, 0xA4,
            0x75, 0x10, 0x95, 0x40, 0xB1, 0x02, 0xB4, 0x81, 0x02, 0xC0};
}

Bytes withLongItem() {
    Bytes bytes = kUnit;
    const Bytes longItem = {0xFE, 0x03, 0xF0, 0xC0, 0xC0, 0xC0}; // data looks like End Collection
    bytes.insert(bytes.begin() + 6, longItem.begin(), longItem.end());
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, ValidDescriptorTest,
    ::testing::Values(
        ValidCase{"BootMouse", kMouse, 0x01, 3, false},
        ValidCase{"KeyboardAndConsumerWithReportIds", kKeyboardWithConsumer, 0x01, 9, true},
        ValidCase{"ConsumerControl", kConsumerControl, 0x0C, 1, false},
        ValidCase{"VendorDefined64", kVendor64, 0xFF00, 64, false},
        ValidCase{"CameraUnit", kUnit, 0x0C, 20, false},
        // A four-byte usage names its own page, whatever the global page says.
        ValidCase{"ExtendedUsageOnCollection",
                  {0x05, 0x01, 0x0B, 0x01, 0x00, 0x0C, 0x00, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x14,
                   0x81, 0x02, 0xC0},
                  0x0C,
                  20,
                  false},
        ValidCase{"PushPopRestoresGlobals", pushPopAroundBigReport(), 0x0C, 20, false},
        ValidCase{"LongItemIsSkipped", withLongItem(), 0x0C, 20, false},
        // Fields of one report add up; bits round up to whole bytes.
        ValidCase{"OddBitCount",
                  {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x03, 0x95, 0x03, 0x81, 0x02, 0xC0},
                  0x0C,
                  2,
                  false},
        ValidCase{"NoInputReport",
                  {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x14, 0x91, 0x02, 0xC0},
                  0x0C,
                  0,
                  false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ReportDescriptorTest, ReportIdsAddTheirByteToTheLargestReportOnly) {
    // ID 1: 2 bytes, ID 2: 30 bytes, ID 3: 19 bytes -> 31.
    const Bytes bytes = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x85,
                         0x01, 0x95, 0x02, 0x81, 0x02, 0x85, 0x02, 0x95, 0x1E,
                         0x81, 0x02, 0x85, 0x03, 0x95, 0x13, 0x81, 0x02, 0xC0};
    const auto summary = parseReportDescriptor(bytes);
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->maxInputReportSize, 31u);
}

struct MalformedCase {
    const char* name;
    Bytes bytes;
};

class MalformedDescriptorTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDescriptorTest, IsRejected) {
    EXPECT_FALSE(parseReportDescriptor(GetParam().bytes).has_value());
}

Bytes manyHugeInputs() {
    Bytes bytes = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x76, 0x00, 0x01, 0x96, 0x00, 0x30};
    for (int i = 0; i < 8; ++i) { // 8 x 256 bits x 12288: far beyond any hidraw report
        bytes.insert(bytes.end(), {0x81, 0x02});
    }
    bytes.push_back(0xC0);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedDescriptorTest,
    ::testing::Values(
        MalformedCase{"Empty", {}},
        MalformedCase{"ItemDataPastTheEnd", {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0xC0, 0x27, 0xFF}},
        MalformedCase{"LoneItemPrefixAtTheEnd", {0x05, 0x0C, 0xA1, 0x01, 0xC0, 0x05}},
        MalformedCase{"LongItemPastTheEnd", {0x05, 0x0C, 0xA1, 0x01, 0xC0, 0xFE, 0x05, 0x10, 0x01}},
        MalformedCase{"LongItemHeaderCut", {0x05, 0x0C, 0xA1, 0x01, 0xC0, 0xFE, 0x05}},
        MalformedCase{"CollectionNeverClosed", {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01}},
        MalformedCase{"EndCollectionWithoutCollection", {0x05, 0x0C, 0xC0, 0xA1, 0x01, 0xC0}},
        MalformedCase{"NoCollection", {0x05, 0x0C, 0x75, 0x08, 0x95, 0x14, 0x81, 0x02}},
        MalformedCase{"PopWithoutPush", {0x05, 0x0C, 0xB4, 0xA1, 0x01, 0xC0}},
        MalformedCase{"PushStackOverflow",
                      {0x05, 0x0C, 0xA4, 0xA4, 0xA4, 0xA4, 0xA4, 0xA1, 0x01, 0xC0}},
        MalformedCase{"ReportIdZero", {0x05, 0x0C, 0xA1, 0x01, 0x85, 0x00, 0xC0}},
        MalformedCase{"ReportIdAbove255", {0x05, 0x0C, 0xA1, 0x01, 0x86, 0x00, 0x01, 0xC0}},
        MalformedCase{"ReportSizeBeyondKernelLimit",
                      {0x05, 0x0C, 0xA1, 0x01, 0x76, 0x01, 0x01, 0xC0}},
        MalformedCase{"ReportCountBeyondKernelLimit",
                      {0x05, 0x0C, 0xA1, 0x01, 0x96, 0x01, 0x30, 0xC0}},
        MalformedCase{"ReportTooLarge", manyHugeInputs()},
        MalformedCase{"ReservedGlobalTag", {0x05, 0x0C, 0xC4, 0xA1, 0x01, 0xC0}},
        MalformedCase{"UsagePageWiderThan16Bits",
                      {0x07, 0x00, 0x00, 0x01, 0x00, 0xA1, 0x01, 0xC0}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ReportDescriptorTest, EveryProperPrefixOfARealDescriptorIsRejected) {
    // A cut anywhere in a one-collection descriptor leaves an item incomplete or the
    // collection open.
    for (const Bytes* full : {&kMouse, &kConsumerControl, &kUnit}) {
        for (std::size_t length = 0; length < full->size(); ++length) {
            const Bytes prefix(full->begin(), full->begin() + static_cast<long>(length));
            EXPECT_FALSE(parseReportDescriptor(prefix).has_value()) << "length " << length;
        }
    }
}

} // namespace
} // namespace eboard
