// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/ResultDocument.h"
#include "wheels/WheelGenerator.h"

#include <vector>

namespace vantorel {

// A wheel as tables, for `vantorel-cli wheel --format csv|json` and the Wheel window's export.

// "tickets": one row a ticket, its number and then its numbers ascending (ticket, n1 .. nK); a shorter
// ticket leaves its last cells empty.
ResultTable TicketsTable(const std::vector<WheelTicket>& tickets);

// "wins": drawn_in_pool, guaranteed_match, average_best_match, every_draw (false: the average is a
// sample's), then tickets_matching_K .. tickets_matching_T (empty where that many cannot match).
ResultTable WinsResultTable(const WinsTable& wins, int lowestLevel);

// The wheel's facts as fields (pool, keys, ticket_size, guarantee, drawn, seed, seconds, ticket_count,
// lower_bound, lower_bound_kind, schoenheim_bound, best_known, best_known_proven, method, verified, cost)
// and its tickets and wins.
ResultDocument WheelDocument(const WheelResult& result);

// A check: pool, guarantee, drawn, ticket_count, holds and missing (the first numbers missed, or empty), with
// the wins when it holds, else a "missing" table of those numbers (n1 .. nM).
ResultDocument WheelCheckDocument(const WheelCheckResult& result);

} // namespace vantorel
