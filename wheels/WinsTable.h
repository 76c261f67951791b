// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheels/WheelRequest.h"

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace vantorel {

// What a wheel wins when `drawnInPool` of the drawn numbers are in the pool, over every way they can fall.
struct WinsRow {
    int drawnInPool = 0;
    // The best ticket matches at least this many of them, however they fall.
    int guaranteedMatch = 0;
    // The best ticket's match, on average.
    double averageBestMatch = 0;
    // [j]: the share of the draws whose best ticket matches exactly j (j = 0..drawnInPool).
    std::vector<double> bestMatchShare;
    // [j]: how many tickets match exactly j, on average.
    std::vector<double> averageTicketsMatching;
    // True when every draw was counted; false when the draws were too many and the shares and the average
    // best match come from a fixed sample of them (the guaranteed match and the ticket averages are exact).
    bool everyDraw = true;
};

struct WinsTable {
    std::size_t tickets = 0;
    std::vector<WinsRow> rows;             // drawnInPool ascending
    std::optional<std::int64_t> costCents; // tickets times the price, when a price was given
};

// The table for drawnInPool = fromDrawn .. toDrawn (at most the pool's size). Tickets hold pool numbers only.
// Nothing when a stop was asked.
std::optional<WinsTable> TabulateWins(const std::vector<int>& pool, const std::vector<WheelTicket>& tickets,
                                      int fromDrawn, int toDrawn,
                                      std::optional<std::int64_t> ticketPriceCents,
                                      const std::stop_token& stop = {});

} // namespace vantorel
