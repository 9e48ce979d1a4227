#include "core/base/DataFile.h"

#include "core/base/AtomicFile.h"
#include "support/OddFiles.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace eboard {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

const std::error_code kMissing = std::make_error_code(std::errc::no_such_file_or_directory);
const std::error_code kLoop = std::make_error_code(std::errc::too_many_symbolic_link_levels);

const struct {
    const char* what;
    std::function<void(const fs::path&)> make; // puts it at the path
    std::error_code error;                     // what reading it gives; none: read
} kPathCases[] = {
    {"a regular file", [](const fs::path& p) { testing::writeText(p, "content"); }, {}},
    {"nothing", [](const fs::path&) {}, kMissing},
    {"a dangling link", [](const fs::path& p) { fs::create_symlink("absent", p); }, kMissing},
    {"a link loop", testing::makeLinkLoop, kLoop},
    {"a FIFO", testing::makeFifo, NotRegularFile::Fifo},
    {"a directory", [](const fs::path& p) { fs::create_directory(p); }, NotRegularFile::Directory},
    {"a socket", testing::makeSocket, NotRegularFile::Socket},
    {"a link to a device", [](const fs::path& p) { fs::create_symlink("/dev/null", p); },
     NotRegularFile::CharacterDevice},
};

TEST(ReadDataFile, ReadsOnlyRegularFilesAndNamesWhateverElseIsThere) {
    for (const auto& c : kPathCases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        c.make(dir / "data");
        const testing::HangGuard guard(5); // a FIFO opened for reading waits for a writer
        const DataFile file = readDataFile(dir / "data", 1024);
        EXPECT_EQ(file.error, c.error) << file.error.message();
        EXPECT_EQ(file.missing(), c.error == kMissing);
        EXPECT_EQ(std::string(file.bytes.begin(), file.bytes.end()), c.error ? "" : "content");
    }
    EXPECT_EQ(std::error_code(NotRegularFile::Fifo).message(), "it is a FIFO, not a regular file");
    EXPECT_EQ(std::error_code(NotRegularFile::Directory), std::errc::is_a_directory);
}

TEST(WriteFileAtomically, LeavesWhatIsNoRegularFileAloneAndNamesIt) {
    const std::vector<std::uint8_t> bytes{'n', 'e', 'w'};
    for (const auto& c : kPathCases) {
        if (c.error == NotRegularFile::CharacterDevice) {
            continue; // a failure here must not replace /dev/null
        }
        SCOPED_TRACE(c.what);
        TempDir dir;
        c.make(dir / "data");
        const fs::file_type before = fs::symlink_status(dir / "data").type();
        const bool refused = c.error.category() == notRegularFileCategory() || c.error == kLoop;
        EXPECT_EQ(writeFileAtomically(dir / "data", bytes), refused ? c.error : std::error_code{});
        if (refused) {
            EXPECT_EQ(fs::symlink_status(dir / "data").type(), before);
        } else {
            EXPECT_EQ(testing::readText(dir / "data"), "new");
        }
    }
}

} // namespace
} // namespace eboard
