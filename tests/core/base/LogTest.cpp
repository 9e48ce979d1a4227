#include "core/base/Log.h"

#include "support/ScopedEnv.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace eboard {
namespace {

// Standard error pointed at a pipe for the scope; what was written is read back.
class CapturedStderr {
public:
    CapturedStderr() {
        EXPECT_EQ(::pipe(pipe_), 0);
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        ::dup2(pipe_[1], STDERR_FILENO);
    }
    ~CapturedStderr() {
        restore();
        ::close(pipe_[0]);
    }
    CapturedStderr(const CapturedStderr&) = delete;
    CapturedStderr& operator=(const CapturedStderr&) = delete;

    // "device:inode" of the pipe, as systemd tells a service its journal stream.
    std::string streamName() const {
        struct stat info {};
        ::fstat(pipe_[1], &info);
        return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
    }
    std::string text() {
        restore();
        std::string all;
        char buffer[256];
        for (ssize_t n; (n = ::read(pipe_[0], buffer, sizeof buffer)) > 0;) {
            all.append(buffer, static_cast<std::size_t>(n));
        }
        return all;
    }

private:
    void restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
            ::close(pipe_[1]);
            saved_ = -1;
        }
    }
    int pipe_[2] = {-1, -1};
    int saved_ = -1;
};

TEST(Log, LinesCarryTheirPriorityOnlyWhereStderrIsTheJournal) {
    struct Case {
        const char* what;
        bool journal;    // JOURNAL_STREAM names this stderr
        const char* env; // otherwise: this value, or unset when null
        const char* expected;
    };
    const Case cases[] = {
        {"the journal", true, nullptr, "<4>eboard: warning: w\n<6>eboard: i\n"},
        {"no journal", false, nullptr, "eboard: warning: w\neboard: i\n"},
        {"another stream", false, "1:2", "eboard: warning: w\neboard: i\n"},
        {"garbage", false, "journal", "eboard: warning: w\neboard: i\n"},
    };
    for (const Case& c : cases) {
        CapturedStderr captured;
        const std::string stream = c.journal ? captured.streamName() : std::string();
        const std::optional<std::string> value =
            c.journal ? std::optional(stream)
                      : (c.env != nullptr ? std::optional<std::string>(c.env) : std::nullopt);
        const testing::ScopedEnv journal("JOURNAL_STREAM", value);
        logWarning("w");
        logInfo("i");
        EXPECT_EQ(captured.text(), c.expected) << c.what;
    }
}

} // namespace
} // namespace eboard
