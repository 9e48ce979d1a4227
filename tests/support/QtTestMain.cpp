// The gtest main of every test that needs a Qt application: an event loop for socket
// notifiers and timers, and for widget tests a QApplication. Without a platform chosen
// it runs on Qt's offscreen one, which also keeps tests off any real desktop.
#include <cstdlib>
#include <gtest/gtest.h>

#if __has_include(<QApplication>)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
#if __has_include(<QApplication>)
    QApplication::setQuitOnLastWindowClosed(false);
#endif
    return RUN_ALL_TESTS();
}
