// `eboardctl status`: what the running agent sees, asked over the bus.
#include "BusSession.h"
#include "Command.h"
#include "bus/AgentStatusService.h"
#include "core/base/PrintableText.h"

namespace eboardctl {

int runStatus(Arguments args, std::FILE* out) {
    if (!args.empty()) {
        throw UsageError("unexpected argument '" + std::string(args[0]) + "'");
    }
    BusSession session;
    session.requireAgent();
    std::string error;
    const std::optional<eboard::AgentStatus> status =
        eboard::askAgentStatus(session.connection(), &error);
    if (!status) {
        throw Failure("the agent did not answer: " + error);
    }
    // The texts come from whoever owns the agent's name: escaped like every other.
    for (const std::string& line : eboard::describeAgentStatus(*status)) {
        std::fprintf(out, "%s\n", eboard::printableText(line).c_str());
    }
    return kSuccess;
}

} // namespace eboardctl
