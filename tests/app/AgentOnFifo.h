#pragma once
// A scratch home with a calibration stored and a FIFO to feed the agent through
// `--device`. Needs an X display and a session bus.

#include "core/base/DataPaths.h"
#include "core/calibration/SettingArchive.h"
#include "support/AgentTest.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace eboard::testing {

class AgentOnFifo : public AgentTest {
protected:
    void prepare() override {
        std::filesystem::create_directories(dataDirectory(home.path()));
        // The golden replays' calibration: on 1920x1080, raw (50, 250) of tap.rec lands at
        // (150, 236.25) in device pixels.
        ASSERT_FALSE(writeSettingArchive(archivePath(home.path()),
                                         SettingData({64, 288, 576, 288, 64, 32, 576, 32})));
        ASSERT_EQ(::mkfifo(fifo().c_str(), 0600), 0);
    }

    std::filesystem::path fifo() const { return home / "unit"; }
};

} // namespace eboard::testing
