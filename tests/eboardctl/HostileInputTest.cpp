// eboardctl given files and paths made to break it: each ends in one line naming the
// path and the reason, never a crash or an abort.
#include "core/calibration/SettingArchive.h"
#include "support/Eboardctl.h"
#include "support/HostilePlist.h"
#include "support/OddFiles.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

const eboard::SettingData kSquare({0, 0, 1024, 0, 0, 768, 1024, 768});

class HostileInput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(eboard::writeSettingArchive(home / "good.archive", kSquare));
    }
    std::string good() const { return quoted((home / "good.archive").string()); }

    TempDir home;
};

TEST_F(HostileInput, DeeplyNestedPlistIsRefusedNotRecursedInto) {
    const fs::path deep = home / "deep.plist";
    writeBytes(deep, nestedArraysPlist(140000));

    const CommandResult calibration =
        eboardctl("calibration --file " + quoted(deep), home.path(), Stderr::Merged);
    EXPECT_EQ(calibration.status, 1);
    EXPECT_EQ(calibration.out,
              "eboardctl: " + deep.string() + " is not a SettingData calibration archive\n");

    // Unreadable thresholds grade with every threshold 0, and the user is told.
    const CommandResult grade = eboardctl(
        "grade --file " + good() + " --thresholds " + quoted(deep), home.path(), Stderr::Merged);
    EXPECT_EQ(grade.status, 0) << grade.out;
    EXPECT_THAT(grade.out, HasSubstr("warning: " + deep.string() +
                                     " is no thresholds "
                                     "dictionary; grading with every threshold 0\n"));
    EXPECT_THAT(grade.out, HasSubstr("result normal-end\n"));
}

TEST_F(HostileInput, ThresholdsPathsThatCannotBeLookedAtFailInOneLine) {
    const fs::path loop = home / "loop";
    fs::create_symlink(loop, loop);
    const fs::path tooLong = home / std::string(300, 'n') / "x";
    const struct {
        fs::path path;
        const char* reason;
    } cases[] = {
        {loop, "Too many levels of symbolic links"},
        {tooLong, "File name too long"},
    };
    for (const auto& c : cases) {
        const CommandResult grade =
            eboardctl("grade --file " + good() + " --thresholds " + quoted(c.path), home.path(),
                      Stderr::Merged);
        EXPECT_EQ(grade.status, 1) << c.reason;
        EXPECT_EQ(grade.out, "eboardctl: cannot read " + c.path.string() + ": " + c.reason + "\n");
    }
    EXPECT_TRUE(fs::is_symlink(loop)) << "the loop must be left as it was";

    for (const fs::path& path : {loop, tooLong}) {
        const CommandResult calibration =
            eboardctl("calibration --file " + quoted(path), home.path(), Stderr::Merged);
        EXPECT_EQ(calibration.status, 1);
        EXPECT_EQ(lineCount(calibration.out), 1u) << calibration.out;
        EXPECT_THAT(calibration.out, HasSubstr(path.string()));
    }
}

TEST_F(HostileInput, FifosAtTheDataPathsFailAtOnceNamingThemAndStay) {
    const fs::path folder = home / "Library/HN-42_driver";
    fs::create_directories(folder);
    const fs::path archive = folder / "eBoardSetting.archive";
    const fs::path thresholds = folder / "checkvalue.dat";
    makeFifo(archive);
    makeFifo(thresholds);
    const std::pair<std::string, std::string> cases[] = {
        {"calibration", "cannot read " + archive.string()},
        {"map 1 2 --screen 10x10", "cannot read " + archive.string()},
        {"calibration set 1 2 3 4 5 6 7 8", "cannot write " + archive.string()},
        {"grade --file " + good(), "cannot read " + thresholds.string()},
    };
    for (const auto& [arguments, failure] : cases) {
        // timeout(1) ends a reader that blocks with status 124 instead of hanging the test.
        const CommandResult run =
            runCommand("timeout 5 " + eboardctlCommand(arguments, home.path(), Stderr::Merged));
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.out, "eboardctl: " + failure + ": it is a FIFO, not a regular file\n");
    }
    EXPECT_EQ(fs::status(archive).type(), fs::file_type::fifo);
    EXPECT_EQ(fs::status(thresholds).type(), fs::file_type::fifo);
}

TEST_F(HostileInput, ArchiveBehindALinkIsWrittenWhereTheLinkPoints) {
    fs::create_directory(home / "store");
    fs::copy_file(home / "good.archive", home / "store/setting.archive");
    fs::create_symlink("store/setting.archive", home / "link.archive");
    const CommandResult set =
        eboardctl("calibration set 1 2 3 4 5 6 7 8 --file " + quoted(home / "link.archive"),
                  home.path(), Stderr::Merged);
    ASSERT_EQ(set.status, 0) << set.out;
    EXPECT_TRUE(fs::is_symlink(home / "link.archive"));
    const CommandResult print =
        eboardctl("calibration --file " + quoted(home / "store/setting.archive"), home.path(),
                  Stderr::Merged);
    EXPECT_THAT(print.out, HasSubstr("RawPoint3_Y 8\n"));
    EXPECT_EQ(std::distance(fs::directory_iterator(home / "store"), fs::directory_iterator()), 1);
}

TEST_F(HostileInput, WriteBeyondTheFileSizeLimitFailsInOneLineAndLeavesNoTemporaryFile) {
    const fs::path archive = home / "good.archive";
    const std::vector<std::uint8_t> before = readBytes(archive);
    // ulimit -f 0: any byte written raises SIGXFSZ.
    const CommandResult set =
        runCommand("ulimit -f 0; " +
                   eboardctlCommand("calibration set 1 2 3 4 5 6 7 8 --file " + quoted(archive),
                                    home.path(), Stderr::Merged));
    EXPECT_EQ(set.status, 1);
    EXPECT_EQ(set.out, "eboardctl: cannot write " + archive.string() + ": File too large\n");
    EXPECT_EQ(readBytes(archive), before);
    for (const auto& entry : fs::directory_iterator(home.path())) {
        EXPECT_EQ(entry.path().filename().string().rfind(".good.archive", 0), std::string::npos)
            << entry.path();
    }
}

TEST_F(HostileInput, RecordingsThatAreNoFilesFailInOneLineWithTheReason) {
    fs::create_directory(home / "folder");
    const struct {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"replay " + quoted(home / "folder"),
         "cannot open recording " + (home / "folder").string() + ": Is a directory"},
        {"replay " + quoted(home / "absent.rec"),
         "cannot open recording " + (home / "absent.rec").string() + ": No such file or directory"},
        {"record --device " + quoted(home / "folder"),
         "cannot open " + (home / "folder").string() + ": Is a directory"},
        {"record --device " + quoted(home / "absent"),
         "cannot open " + (home / "absent").string() + ": No such file or directory"},
    };
    for (const auto& c : cases) {
        const CommandResult run = eboardctl(c.arguments, home.path(), Stderr::Merged);
        EXPECT_EQ(run.status, 1) << c.arguments;
        // One line on stderr and nothing on stdout: no recording header for a non-unit.
        EXPECT_EQ(run.out, "eboardctl: " + c.message + "\n") << c.arguments;
    }
}

TEST_F(HostileInput, RecordingErrorsCutLongFieldsAndEscapeTerminalBytes) {
    const std::string cases[] = {
        "E: 0.000000 20 " + std::string(2'000'000, 'f') + "\n",
        "E: \x1b]0;owned\x07\x1b[2J 20 00\n",
        std::string(2'000'000, '\x1b') + "\n",
    };
    for (const std::string& content : cases) {
        writeText(home / "bad.rec", content);
        const CommandResult run =
            eboardctl("replay " + quoted(home / "bad.rec"), home.path(), Stderr::Merged);
        EXPECT_EQ(run.status, 1);
        EXPECT_LT(run.out.size(), 300u) << run.out.substr(0, 300);
        EXPECT_EQ(lineCount(run.out), 1u);
        EXPECT_EQ(run.out.find('\x1b'), std::string::npos) << run.out;
    }
}

} // namespace
} // namespace eboard::testing
