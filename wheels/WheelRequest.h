// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantorel {

// The numbers of one ticket, ascending.
using WheelTicket = std::vector<int>;

// A wheel as a player asks for it: tickets of `ticketSize` numbers from the pool such that whenever
// `drawn` of the drawn numbers are in the pool, some ticket holds `guarantee` of them ("T if M"; with
// T = M every T-set of the pool lies on a ticket). Every ticket holds the key numbers.
struct WheelRequest {
    std::vector<int> pool; // 1..99, each once, in any order
    int ticketSize = 0;    // K
    int guarantee = 0;     // T
    int drawn = 0;         // M
    std::vector<int> keys; // numbers of the pool every ticket holds
    double seconds = 8;    // the time budget of the search
    std::uint64_t seed = 1;
    std::optional<std::int64_t> ticketPriceCents; // the game's price of a ticket, for the cost of the wheel
};

// A ticket file checked against a pool and a guarantee (`vantorel-cli wheel --check`).
struct WheelCheckRequest {
    std::vector<int> pool;
    int guarantee = 0;
    int drawn = 0;
    std::vector<WheelTicket> tickets;
    std::optional<std::int64_t> ticketPriceCents;
};

// The first thing wrong with the request, worded for the player; nothing when it can be wheeled: pool
// numbers within 1..99 and each once, 1 <= T <= M <= K <= pool size, key numbers from the pool, each once,
// at most K of them and few enough to leave room for the guarantee, and a time budget of more than 0 and
// at most kMaxSeconds seconds.
std::optional<Refusal> ValidateWheelRequest(const WheelRequest& request);
std::optional<Refusal> ValidateWheelCheck(const WheelCheckRequest& request);

inline constexpr double kMaxSeconds = 3600;
inline constexpr int kLowestNumber = 1;
inline constexpr int kHighestNumber = 99;

// "2 if 6": how a guarantee is written.
std::string GuaranteeText(int guarantee, int drawn);

} // namespace vantorel
