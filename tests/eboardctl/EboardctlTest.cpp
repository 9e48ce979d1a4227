// Runs the eboardctl binary as a user would and checks what it prints.
#include "support/Eboardctl.h"

#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace eboard::testing {
namespace {

using ::testing::HasSubstr;

TEST(EboardctlCalibration, SetThenPrintGivesTheSameValuesBitForBit) {
    TempDir home;
    const CommandResult set =
        eboardctl("calibration set 0.1 -3.75 1024 1e-40 3.4028235e38 640.25 100000 7", home.path());
    ASSERT_EQ(set.status, 0);
    EXPECT_EQ(set.out, "");
    const CommandResult get = eboardctl("calibration", home.path());
    ASSERT_EQ(get.status, 0);
    EXPECT_EQ(get.out, "RawPoint0_X 0.100000001\n"
                       "RawPoint0_Y -3.75\n"
                       "RawPoint1_X 1024\n"
                       "RawPoint1_Y 9.9999461e-41\n"
                       "RawPoint2_X 3.40282347e+38\n"
                       "RawPoint2_Y 640.25\n"
                       "RawPoint3_X 100000\n"
                       "RawPoint3_Y 7\n");
    // Feeding the printed values back stores the same bits.
    const CommandResult again =
        eboardctl("calibration set 0.100000001 -3.75 1024 9.9999461e-41 3.40282347e+38 "
                  "640.25 100000 7 --file " +
                      quoted((home / "copy.archive").string()),
                  home.path());
    ASSERT_EQ(again.status, 0);
    EXPECT_EQ(readBytes(home / "copy.archive"),
              readBytes(home / "Library/HN-42_driver/eBoardSetting.archive"));
}

TEST(EboardctlCalibration, WrittenArchiveIsAFoundationKeyedArchive) {
    TempDir home;
    const std::string values = "12.5 0.1 1 1 0 640.25 100000 -3.75";
    ASSERT_EQ(eboardctl("calibration set " + values, home.path()).status, 0);
    const std::string checker =
        std::string(EBOARD_TEST_DATA_DIR) + "/../eboardctl/check_keyed_archive.py";
    const std::string archive = (home / "Library/HN-42_driver/eBoardSetting.archive").string();
    const CommandResult check =
        runCommand("python3 " + quoted(checker) + " " + quoted(archive) + " " + values + " 2>&1");
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_EQ(check.out, "");
}

TEST(EboardctlCalibration, ReadsFoundationsOwnArchive) {
    TempDir home;
    const CommandResult run =
        eboardctl("calibration --file " + quoted(plistFixture("settingdata-legacy-sample.bplist")),
                  home.path());
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "RawPoint0_X 12.5\nRawPoint0_Y 0.100000001\nRawPoint1_X 1\nRawPoint1_Y 1\n"
              "RawPoint2_X 0\nRawPoint2_Y 640.25\nRawPoint3_X 100000\nRawPoint3_Y -3.75\n");
}

TEST(EboardctlCalibration, CornersThatCannotMapThePenAreStoredWithAWarning) {
    TempDir home;
    const CommandResult set =
        eboardctl("calibration set 0 0 0 0 0 0 0 0", home.path(), Stderr::Merged);
    EXPECT_EQ(set.status, 0);
    EXPECT_THAT(set.out, HasSubstr("warning: stored, but these corners enclose no area"));
    EXPECT_EQ(std::count(set.out.begin(), set.out.end(), '\n'), 1);
    EXPECT_EQ(eboardctl("calibration", home.path()).out.substr(0, 14), "RawPoint0_X 0\n");
    const CommandResult good =
        eboardctl("calibration set 0 0 1024 0 0 768 1024 768", home.path(), Stderr::Merged);
    EXPECT_EQ(good.out, "");
}

TEST(EboardctlErrors, BadInputGivesOneLineAndANonZeroStatus) {
    TempDir home;
    const std::string nsuuid = quoted(plistFixture("goios-nsuuid.bin"));
    const struct {
        std::string arguments;
        const char* message;
    } cases[] = {
        {"calibration", "cannot read"},
        {"calibration --file " + nsuuid, "not a SettingData calibration archive"},
        {"calibration set 1 2 3", "needs 8 values"},
        {"calibration set 1 2 3 4 5 6 7 x8", "invalid y of corner 3 (bottom right) 'x8'"},
        {"calibration set 1 2 3 4 5 6 7 nan", "invalid y of corner 3 (bottom right) 'nan'"},
        {"calibration set x 2 3 4 5 6 7 8", "invalid x of corner 0 (top left) 'x'"},
        {"calibration --file", "needs a value"},
        {"calibration --bogus 1", "unknown option"},
        {"grade --type fancy", "invalid --type"},
        {"grade", "cannot read"},
        {"map 1 2", "needs --screen"},
        {"map 1 --screen 10x10", "needs a raw point"},
        {"map 1 2 --screen 1920by1080", "invalid screen size"},
        {"map 1 2 --screen 0x1080", "invalid screen size"},
        {"frobnicate", "unknown command"},
        {"", "Usage"},
    };
    for (const auto& c : cases) {
        const CommandResult run = eboardctl(c.arguments, home.path(), Stderr::Merged);
        EXPECT_NE(run.status, 0) << c.arguments;
        EXPECT_THAT(run.out, HasSubstr(c.message)) << c.arguments;
        if (!c.arguments.empty()) {
            EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
        }
    }
}

TEST(EboardctlGrade, GradesTheStoredRecordAndCreatesTheThresholdsFile) {
    TempDir home;
    ASSERT_EQ(eboardctl("calibration set 0 0 1024 0 0 768 1024 768", home.path()).status, 0);
    const CommandResult diagnosis = eboardctl("grade --type diagnosis", home.path());
    ASSERT_EQ(diagnosis.status, 0);
    EXPECT_EQ(diagnosis.out, "area_percent 156\nedge_percent 100\nedge_flag 0\nlong_edge_flag 1\n"
                             "result excellent\n");
    EXPECT_EQ(readText(home / "Library/HN-42_driver/checkvalue.dat"),
              readText(plistFixture("areaconfig-apple.xml.plist")));

    // A small, lopsided quadrilateral with edited thresholds.
    ASSERT_EQ(eboardctl("calibration set 100 100 400 100 100 300 400 400", home.path()).status, 0);
    const auto thresholds = home / "t.plist";
    writeText(thresholds, "<plist><dict><key>AreaPer2</key><integer>5</integer>"
                          "<key>EdgePer</key><string>80</string></dict></plist>");
    const CommandResult normal =
        eboardctl("grade --thresholds " + quoted(thresholds.string()), home.path());
    ASSERT_EQ(normal.status, 0);
    // Triangles 300x300/2 and 300x200/2 twice-areas 90000 and 60000 -> (70312 + 46875) * 100 /
    // 786432.
    EXPECT_EQ(normal.out, "area_percent 14\nedge_percent 66\nedge_flag 1\nlong_edge_flag 1\n"
                          "result normal-end\n");
}

TEST(EboardctlMap, MapsThroughTheStoredCalibration) {
    TempDir home;
    ASSERT_EQ(eboardctl("calibration set 0 0 1024 0 0 768 1024 768", home.path()).status, 0);
    EXPECT_EQ(eboardctl("map 0 0 --screen 1920x1080", home.path()).out, "192.000 972.000\n");
    EXPECT_EQ(eboardctl("map 1024 768 --screen 1920x1080", home.path()).out, "1728.000 108.000\n");
    EXPECT_EQ(eboardctl("map 512 384 --screen 1366x768", home.path()).out, "683.000 384.000\n");

    // Corners that enclose no area map nothing: a failure, not an answer.
    ASSERT_EQ(eboardctl("calibration set 1 1 1 1 1 1 1 1", home.path()).status, 0);
    const CommandResult degenerate =
        eboardctl("map 512 384 --screen 1920x1080", home.path(), Stderr::Merged);
    EXPECT_EQ(degenerate.status, 1);
    EXPECT_EQ(degenerate.out, "eboardctl: the calibration in " +
                                  (home / "Library/HN-42_driver/eBoardSetting.archive").string() +
                                  " cannot map the pen: its four corners enclose no area\n");
}

TEST(EboardctlPlay, AByteStreamGetsOnlyUnitSizedReportsInOrder) {
    TempDir home;
    const std::string frame = "01 55 5d 04 01 00 02 00 00 00 00 00 00 00 00 00 00 00 00 00";
    writeText(home / "unit.rec",
              "# recording\nN: HN-42\n"
              "E: 000000.000000 20 " +
                  frame +
                  "\n"
                  "E: 000000.010000 19 01 55 5d 04 01 00 02 00 00 00 00 00 00 00 00 00 00 00 00\n"
                  "E: 000000.020000 20 " +
                  frame + "\n");
    const auto target = home / "stream";
    writeText(target, "");
    const CommandResult run = eboardctl("play " + quoted((home / "unit.rec").string()) + " --to " +
                                            quoted(target.string()),
                                        home.path(), Stderr::Merged);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("skipped 1 reports not 20 bytes long"));
    EXPECT_THAT(run.out, HasSubstr("played 2 reports to"));
    const std::vector<std::uint8_t> written = readBytes(target);
    ASSERT_EQ(written.size(), 40u);
    EXPECT_EQ(written[0], 0x01);
    EXPECT_EQ(written[20], 0x01);
    EXPECT_EQ(written[22], 0x5D);

    const CommandResult broken = eboardctl("play " + quoted((home / "missing.rec").string()) +
                                               " --to " + quoted(target.string()),
                                           home.path(), Stderr::Merged);
    EXPECT_NE(broken.status, 0);
    EXPECT_THAT(broken.out, HasSubstr("cannot open recording"));
}

TEST(EboardctlPlay, AFifoWithoutAReaderIsWaitedForAndSaidSo) {
    TempDir home;
    const std::string frame = "01 55 5d 04 01 00 02 00 00 00 00 00 00 00 00 00 00 00 00 00";
    writeText(home / "unit.rec",
              "E: 000000.000000 20 " + frame + "\nE: 000000.010000 20 " + frame + "\n");
    const auto fifo = home / "unit";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // The reader comes half a second after play started.
    const CommandResult run =
        runCommand("(sleep 0.5; cat " + quoted(fifo.string()) + " > " +
                   quoted((home / "got").string()) + ") & " +
                   eboardctlCommand("play " + quoted((home / "unit.rec").string()) + " --to " +
                                        quoted(fifo.string()),
                                    home.path(), Stderr::Merged) +
                   "; status=$?; wait; exit $status");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("eboardctl: waiting for a reader of " + fifo.string()));
    EXPECT_THAT(run.out, HasSubstr("played 2 reports to"));
    EXPECT_EQ(readBytes(home / "got").size(), 40u);
}

TEST(Eboardctl, EveryCommandAnswersHelpWithItsUsage) {
    TempDir home;
    for (const char* command :
         {"calibration", "grade", "map", "replay", "devices", "record", "play", "calibrate",
          "diagnose", "quit", "version", "smooth", "watch"}) {
        const CommandResult help =
            eboardctl(std::string(command) + " --help", home.path(), Stderr::Merged);
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind("Usage: eboardctl " + std::string(command), 0), 0u) << help.out;
    }
    const CommandResult set = eboardctl("calibration set -h", home.path());
    EXPECT_THAT(set.out, HasSubstr("corner 0, top left"));
    EXPECT_THAT(set.out, HasSubstr("x = 1024 - the report's X"));
}

TEST(EboardctlReplay, FileNamesTheArchiveAndCalibrationStaysItsOtherName) {
    TempDir home;
    ASSERT_EQ(eboardctl("calibration set 64 288 576 288 64 32 576 32 --file " +
                            quoted((home / "c.archive").string()),
                        home.path())
                  .status,
              0);
    const std::string recording = quoted(std::string(EBOARD_TEST_DATA_DIR) + "/replay/tap.rec");
    const std::string rest = " --screen 1280x640 --pointer log";
    const CommandResult byFile =
        eboardctl("replay " + recording + " --file " + quoted((home / "c.archive").string()) + rest,
                  home.path());
    const CommandResult byCalibration = eboardctl("replay " + recording + " --calibration " +
                                                      quoted((home / "c.archive").string()) + rest,
                                                  home.path());
    EXPECT_EQ(byFile.status, 0);
    EXPECT_THAT(byFile.out, HasSubstr("left-down"));
    EXPECT_EQ(byFile.out, byCalibration.out);
}

TEST(Eboardctl, HelpAndVersion) {
    TempDir home;
    const CommandResult help = eboardctl("--help", home.path());
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("calibration set X0 Y0 X1 Y1 X2 Y2 X3 Y3"));
    const CommandResult version = eboardctl("--version", home.path());
    EXPECT_EQ(version.status, 0);
    EXPECT_THAT(version.out, ::testing::MatchesRegex("eboardctl [0-9]+\\.[0-9]+\\.[0-9]+\n"));
}

} // namespace
} // namespace eboard::testing
