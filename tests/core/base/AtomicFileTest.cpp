#include "core/base/AtomicFile.h"

#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

// A new file gets what the user's umask allows; a replaced one keeps its permissions,
// narrower or wider than the umask's.
TEST(WriteFileAtomically, NewFilesFollowTheUmaskAndReplacedOnesKeepTheirMode) {
    struct Case {
        mode_t umask;
        std::optional<mode_t> existing; // none: no file yet
        mode_t expected;
    };
    const Case cases[] = {
        {077, std::nullopt, 0600}, {022, std::nullopt, 0644}, {002, std::nullopt, 0664},
        {022, 0600, 0600},         {077, 0644, 0644},         {022, 0640, 0640},
    };
    const mode_t previous = ::umask(022);
    for (const Case& c : cases) {
        TempDir dir;
        const auto target = dir / "eBoardSetting.archive";
        if (c.existing) {
            testing::writeText(target, "old");
            ASSERT_EQ(::chmod(target.c_str(), *c.existing), 0);
        }
        ::umask(c.umask);
        const std::error_code error = writeFileAtomically(target, bytesOf("new"));
        ::umask(022);
        ASSERT_FALSE(error) << error.message();
        struct stat info {};
        ASSERT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, c.expected)
            << "umask " << std::oct << c.umask << ", existing " << (c.existing ? *c.existing : 0);
    }
    ::umask(previous);
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

std::vector<std::string> entriesOf(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WriteFileAtomically, ALinkIsFollowedAndTheFileItNamesReplacedInItsOwnFolder) {
    TempDir dir;
    std::filesystem::create_directory(dir / "real");
    testing::writeText(dir / "real/record", "old");
    std::filesystem::create_symlink("real/record", dir / "link");
    std::filesystem::create_symlink(dir / "link", dir / "link-to-link");

    ASSERT_FALSE(writeFileAtomically(dir / "link-to-link", bytesOf("new")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link-to-link"));
    EXPECT_EQ(testing::readText(dir / "real/record"), "new");
    EXPECT_EQ(entriesOf(dir.path()), (std::vector<std::string>{"link", "link-to-link", "real"}));
    EXPECT_EQ(entriesOf(dir / "real"), std::vector<std::string>{"record"});

    // A dangling link gets the file it points to.
    std::filesystem::create_symlink("real/fresh", dir / "dangling");
    ASSERT_FALSE(writeFileAtomically(dir / "dangling", bytesOf("made")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "dangling"));
    EXPECT_EQ(testing::readText(dir / "real/fresh"), "made");

    // A loop is an error and stays a loop.
    std::filesystem::create_symlink("loop", dir / "loop");
    EXPECT_EQ(writeFileAtomically(dir / "loop", bytesOf("x")),
              std::make_error_code(std::errc::too_many_symbolic_link_levels));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "loop"));
}

TEST(WriteFileAtomically, TheFileSizeLimitIsAnErrorThatLeavesNoTemporaryFile) {
    TempDir dir;
    testing::writeText(dir / "record", "old");
    // In a child: the limit and the signal it raises must not touch the test process.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{4, 4};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::error_code error =
            writeFileAtomically(dir / "record", std::vector<std::uint8_t>(4096, 'x'));
        ::_exit(error == std::errc::file_too_large ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
    EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"record"});
    EXPECT_EQ(testing::readText(dir / "record"), "old");
}

} // namespace
} // namespace eboard
