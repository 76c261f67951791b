// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include "platform/ReportLines.h"

namespace vantorel {

class ResultLog;

// Shows the check of the drawings an update or a results import added against the player's tickets: its
// messages (bad lines of the tickets file), then the wins of each drawing and the summary in a message and
// as a record of the result log, which Deja View lists. Nothing for an empty report (no tickets file, or no
// drawing added).
void ShowNewDrawingsTickets(const Outcome<ReportLines>& report, int game, ResultLog& log);

} // namespace vantorel
