#include "core/notify/ProblemGate.h"

namespace eboard {

namespace {
constexpr bool tableFollowsTheEnumeration() {
    for (std::size_t i = 0; i < kProblems.size(); ++i) {
        if (problemIndex(kProblems[i].problem) != i) {
            return false;
        }
    }
    return true;
}
static_assert(tableFollowsTheEnumeration(), "kProblems must list the problems in their order");
} // namespace

bool ProblemGate::admit(Problem problem) {
    const std::size_t index = problemIndex(problem);
    if (problemEntry(problem).everyTime) {
        return true;
    }
    if (shown_.at(index)) {
        return false;
    }
    shown_.at(index) = true;
    return true;
}

} // namespace eboard
