#pragma once

#include "core/notify/Problems.h"

#include <array>

namespace eboard {

// Decides which reports reach the user: each problem once per agent run (the same cause
// reported at every replug or screen change would become noise), an everyTime one at
// every report.
class ProblemGate {
public:
    // True when this report is to be shown now.
    bool admit(Problem problem);

private:
    std::array<bool, kProblems.size()> shown_{};
};

} // namespace eboard
