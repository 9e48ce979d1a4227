#include "core/base/AtomicFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace eboard {
namespace {

using testing::TempDir;

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(WriteFileAtomically, ReplacesContentAndLeavesNoTemporaryFiles) {
    TempDir dir;
    const auto target = dir / "record";
    testing::writeText(target, "old content that is longer");
    ASSERT_FALSE(writeFileAtomically(target, bytesOf("new")));
    EXPECT_EQ(testing::readText(target), "new");

    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);

    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(WriteFileAtomically, FailureReportsTheErrorAndLeavesNothingBehind) {
    TempDir dir;
    EXPECT_TRUE(writeFileAtomically(dir / "missing-folder/record", bytesOf("x")));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing-folder"));

    // A non-empty folder in the way makes the final rename fail, even for root.
    const auto target = dir / "record";
    std::filesystem::create_directory(target);
    testing::writeText(target / "inside", "kept");
    EXPECT_TRUE(writeFileAtomically(target, bytesOf("lost")));
    EXPECT_EQ(testing::readText(target / "inside"), "kept");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u) << "the temporary file must be removed";
}

} // namespace
} // namespace eboard
