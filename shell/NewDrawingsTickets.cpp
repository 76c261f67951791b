// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/NewDrawingsTickets.h"

#include "platform/GameCatalogue.h"
#include "platform/MessageBox.h"
#include "shell/ResultLog.h"

#include <string>
#include <utility>

namespace vantorel {

void ShowNewDrawingsTickets(const Outcome<ReportLines>& report, int game, ResultLog& log) {
    if (!ShowOutcome(report) || report->empty()) {
        return;
    }
    std::string text(report->text());
    MessageBox(text, MessageIcon::Information);
    log.Add({static_cast<GameType>(game), std::nullopt, "My Tickets: the new drawings", true,
             FileReport{std::move(text)}, *report});
}

} // namespace vantorel
