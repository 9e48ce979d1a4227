#pragma once

#include <TamsuToolKit/Export.h>
#include <functional>

// Category NSNotificationCenter (MainThread). Qt has no notification centre; the
// nearest idiom is running the posting code (typically emitting a signal of the
// client's notification object) on the application's main thread.
namespace TamsuToolKit::MainThread {

// Runs `post` on the thread of the QCoreApplication, from any thread. With
// `waitUntilDone` the call returns after `post` ran (at once when already on the
// main thread); without it `post` runs on a later pass of the main event loop.
TAMSUTOOLKIT_EXPORT void postNotificationOnMainThread(std::function<void()> post,
                                                      bool waitUntilDone);

} // namespace TamsuToolKit::MainThread
