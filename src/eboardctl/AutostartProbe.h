#pragma once

#include "core/state/Doctor.h"

namespace eboardctl {

// The user's autostart entry for the agent, read as the session reads it (GIO).
eboard::DoctorFacts::Autostart probeAutostart();

} // namespace eboardctl
