#pragma once

#include "core/base/FileDescriptor.h"

#include <csignal>

namespace eboard {

// SIGINT and SIGTERM turned into readable data on a descriptor (the self-pipe trick), so
// an event loop can end in order: release the unit, flush a recording. Unlike blocking
// the signals, this leaves the signal mask that child processes inherit untouched.
// One instance at a time; the previous handlers come back when it goes.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Readable once a signal has arrived; -1 when the pipe could not be made.
    int fd() const { return readEnd_.get(); }
    // Consumes what has arrived; returns the number of the last signal, or 0.
    int take();

private:
    FileDescriptor readEnd_;
    FileDescriptor writeEnd_;
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
};

} // namespace eboard
