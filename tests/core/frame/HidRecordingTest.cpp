#include "core/frame/HidRecording.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using eboard::readHidRecording;

eboard::HidRecordingResult read(const std::string& text) {
    std::istringstream in(text);
    return readHidRecording(in);
}

TEST(HidRecording, ReadsReportsAndSkipsDescriptionLines) {
    const auto result = read("# HN-42 camera unit\n"
                             "R: 3 05 0c 09\n"
                             "N: HN-42\n"
                             "I: 3 2a3c 1201\n"
                             "P: usb-0000:00:14.0-1/input0\n"
                             "\n"
                             "E: 000000.000000 4 01 55 5a 04\r\n"
                             "E: 000012.345678 2 ff 0A\n"
                             "E: 12.345679 0\n");
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.reports.size(), 3u);
    EXPECT_EQ(result.reports[0].microseconds, 0);
    EXPECT_EQ(result.reports[0].bytes, (std::vector<std::uint8_t>{0x01, 0x55, 0x5A, 0x04}));
    EXPECT_EQ(result.reports[1].microseconds, 12'345'678);
    EXPECT_DOUBLE_EQ(result.reports[1].seconds(), 12.345678);
    EXPECT_EQ(result.reports[1].bytes, (std::vector<std::uint8_t>{0xFF, 0x0A}));
    EXPECT_TRUE(result.reports[2].bytes.empty());
}

struct BadLine {
    const char* text;
    std::size_t line;
    const char* mentions;
};

class HidRecordingErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(HidRecordingErrors, NameTheLine) {
    const auto result = read(GetParam().text);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.errorLine, GetParam().line);
    EXPECT_NE(result.error.find(GetParam().mentions), std::string::npos) << result.error;
    EXPECT_TRUE(result.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HidRecordingErrors,
    ::testing::Values(
        BadLine{"# x\nE: 0.000000 1 01\nX: nonsense\n", 3, "unrecognised"},
        BadLine{"E: 0.000000 2 01\n", 1, "length"}, BadLine{"E: 0.000000 1 01 02\n", 1, "length"},
        BadLine{"E: 0.000000 1 1\n", 1, "byte"}, BadLine{"E: 0.000000 1 0g\n", 1, "byte"},
        BadLine{"E: 0.000000 1 -1\n", 1, "byte"}, BadLine{"E: 0.00000 1 01\n", 1, "time"},
        BadLine{"E: 0 1 01\n", 1, "time"}, BadLine{"E: -1.000000 1 01\n", 1, "time"},
        BadLine{"E: 99999999999999999999.000000 1 01\n", 1, "time"},
        BadLine{"E: 0.000000 x 01\n", 1, "length"}, BadLine{"E:\n", 1, "time"},
        BadLine{"E: 1.000000 0\nE: 0.999999 0\n", 2, "earlier"}));

TEST(HidRecording, WrittenLinesReadBack) {
    const std::vector<std::uint8_t> bytes{0x01, 0x55, 0x5D, 0x04, 0x01, 0x00, 0x02, 0x00};
    const std::string line = eboard::formatHidReportLine(3'000'042, bytes);
    EXPECT_EQ(line, "E: 000003.000042 8 01 55 5d 04 01 00 02 00");

    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    const std::vector<std::uint8_t> descriptor{0x05, 0x0C, 0x09, 0x01};
    eboard::writeHidRecordingHeader(file, "HN-42 camera unit", 3, 0x2A3C, 0x1201, descriptor);
    eboard::writeHidReport(file, 0, bytes);
    eboard::writeHidReport(file, 3'000'042, bytes);
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    std::fclose(file);

    EXPECT_NE(text.find("I: 3 2a3c 1201\n"), std::string::npos) << text;
    const auto result = read(text);
    ASSERT_TRUE(result.ok()) << result.error << "\n" << text;
    ASSERT_EQ(result.reports.size(), 2u);
    EXPECT_EQ(result.reports[1].microseconds, 3'000'042);
    EXPECT_EQ(result.reports[1].bytes, bytes);
}

} // namespace
