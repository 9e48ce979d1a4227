#include "core/frame/UnitMatching.h"

#include <functional>
#include <gtest/gtest.h>

namespace eboard {
namespace {

TEST(HidIdTest, ParsesUdevHidId) {
    EXPECT_EQ(parseHidId("0003:00002A3C:00001201"), (HidId{3, 0x2A3C, 0x1201}));
    EXPECT_EQ(parseHidId("0005:0000046D:0000B33D"), (HidId{5, 0x046D, 0xB33D}));
    EXPECT_EQ(parseHidId("0018:000004F3:00003200"), (HidId{0x18, 0x04F3, 0x3200}));
}

TEST(HidIdTest, RejectsMalformedHidId) {
    for (const char* text : {"", "0003", "0003:00002A3C", "0003:00002A3C:", ":00002A3C:00001201",
                             "0003:00002A3C:00001201:", "0003:0000ZA3C:00001201",
                             "0003:100002A3C:00001201", "0003:-2A3C:00001201"}) {
        EXPECT_FALSE(parseHidId(text).has_value()) << text;
    }
}

const std::vector<std::uint8_t> kUnit = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x15,
                                         0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95,
                                         0x14, 0x09, 0x01, 0x81, 0x02, 0xC0};

HidDeviceInfo unit() {
    HidDeviceInfo info;
    info.id = HidId{3, 0x2A3C, 0x1201};
    info.reportDescriptor = kUnit;
    return info;
}

struct VerdictCase {
    const char* name;
    HidDeviceInfo device;
    UnitVerdict verdict;
    const char* reason;
};

class AssessUnitTest : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(AssessUnitTest, GivesVerdictAndReason) {
    const UnitCriteria criteria;
    const UnitAssessment assessment = assessUnit(GetParam().device, criteria);
    EXPECT_EQ(assessment.verdict, GetParam().verdict);
    EXPECT_EQ(describeVerdict(assessment, criteria), GetParam().reason);
}

HidDeviceInfo with(std::function<void(HidDeviceInfo&)> change) {
    HidDeviceInfo info = unit();
    change(info);
    return info;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, AssessUnitTest,
    ::testing::Values(
        VerdictCase{"Unit", unit(), UnitVerdict::Usable, "usable"},
        VerdictCase{"OtherVendor", with([](auto& d) { d.id->vendor = 0x2A3D; }),
                    UnitVerdict::OtherProduct, "not the camera unit"},
        VerdictCase{"OtherProduct", with([](auto& d) { d.id->product = 0x1200; }),
                    UnitVerdict::OtherProduct, "not the camera unit"},
        VerdictCase{"NoHidId", with([](auto& d) { d.id.reset(); }), UnitVerdict::OtherProduct,
                    "not the camera unit"},
        VerdictCase{"NoDescriptor", with([](auto& d) { d.reportDescriptor.reset(); }),
                    UnitVerdict::NoDescriptor, "report descriptor unreadable"},
        VerdictCase{"Malformed", with([](auto& d) { d.reportDescriptor->pop_back(); }),
                    UnitVerdict::MalformedDescriptor, "malformed report descriptor"},
        VerdictCase{"GenericDesktop", with([](auto& d) { (*d.reportDescriptor)[1] = 0x01; }),
                    UnitVerdict::WrongUsagePage, "usage page 0x01, not 0x0c"},
        VerdictCase{"SixtyFourBytes", with([](auto& d) { (*d.reportDescriptor)[14] = 64; }),
                    UnitVerdict::WrongReportSize,
                    "wrong report size: input report of 64 bytes, not 20"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace eboard
