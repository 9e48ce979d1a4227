// One QApplication for the whole test program, on the offscreen platform so that
// widget behaviour runs without a display.
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "toolkit_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// gtest owns registered environments.
[[maybe_unused]] const auto* const registered =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

} // namespace
