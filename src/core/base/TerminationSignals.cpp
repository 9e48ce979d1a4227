#include "core/base/TerminationSignals.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace eboard {

namespace {

// The handler may only touch async-signal-safe state: a plain int and write(2).
volatile sig_atomic_t signalWriteFd = -1;

void onTerminationSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    if (signalWriteFd >= 0) {
        [[maybe_unused]] const ssize_t ignored = ::write(signalWriteFd, &number, 1);
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readEnd_.reset(ends[0]);
    writeEnd_.reset(ends[1]);
    signalWriteFd = writeEnd_.get();

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &previousInt_);
    ::sigaction(SIGTERM, &action, &previousTerm_);
}

TerminationSignals::~TerminationSignals() {
    if (!writeEnd_.valid()) {
        return;
    }
    ::sigaction(SIGINT, &previousInt_, nullptr);
    ::sigaction(SIGTERM, &previousTerm_, nullptr);
    signalWriteFd = -1;
}

int TerminationSignals::take() {
    int last = 0;
    unsigned char number = 0;
    while (readEnd_.valid() && ::read(readEnd_.get(), &number, 1) == 1) {
        last = number;
    }
    return last;
}

} // namespace eboard
