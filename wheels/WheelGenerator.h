// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheels/CoverageVerifier.h"
#include "wheels/KnownWheelSizes.h"
#include "wheels/WheelBounds.h"
#include "wheels/WheelRequest.h"
#include "wheels/WinsTable.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace vantorel {

// Generating and checking wheels, for the command line and the desktop window:
//   const WheelOutcome outcome = GenerateWheel(request, control);   // on a worker thread in the window
//   if (outcome.refused()) { show outcome.refusal().text } else { const WheelResult& result = *outcome; ... }
// A request that ValidateWheelRequest refuses is refused with the same message; so is a wheel too large to
// hold, and a cancelled one. Every wheel returned has been verified exhaustively against its guarantee; one
// that fails is never returned.

enum class WheelPhase { Searching, Verifying, Tabulating };

struct WheelProgress {
    WheelPhase phase = WheelPhase::Searching;
    double share = 0;            // of the search's budget used, 0..1
    std::size_t bestTickets = 0; // the smallest wheel found so far (0: none yet)
};

// How a run is steered from outside. The callback is called on the thread that runs the generator.
struct WheelControl {
    std::stop_token stop; // Cancel
    std::function<void(const WheelProgress&)> progress;
    // The work the search may do; by default the request's seconds times kWorkUnitsPerSecond. The clock
    // stops the search at the request's seconds in any case.
    std::optional<std::uint64_t> workUnits;
};

// Work units the search does in a second on one core of an ordinary machine (a little below what it does,
// so that the budget's work, not the clock, ends a search that has the machine to itself).
inline constexpr double kWorkUnitsPerSecond = 90e6;

struct WheelResult {
    WheelRequest request;             // as asked, pool and keys in ascending order
    std::vector<WheelTicket> tickets; // each ascending, in lexicographic order; every ticket holds the keys
    std::string method;               // how the wheel was made
    CoverageVerdict verification;     // Holds: every M numbers of the pool share T with a ticket
    WinsTable wins;                   // drawn numbers in the pool from T to K
    // The fewest tickets any wheel of this guarantee can have (with keys: of the numbers beside the keys),
    // and which bound says so; the Schönheim bound itself for a covering (T = M).
    std::uint64_t lowerBound = 0;
    LowerBoundKind lowerBoundKind = LowerBoundKind::Schoenheim;
    std::optional<std::uint64_t> schoenheimBound;
    std::optional<KnownWheelSize> bestKnown;
    std::chrono::milliseconds elapsed{0};
    std::uint64_t workUnits = 0; // spent by the search
    bool stoppedByClock = false; // the deadline, not the work budget, ended the search
};

using WheelOutcome = Outcome<WheelResult>;

WheelOutcome GenerateWheel(const WheelRequest& request, const WheelControl& control = {});

struct WheelCheckResult {
    WheelCheckRequest request; // pool ascending, tickets as read
    // Holds, or Misses with `missing`: the first M pool numbers (lexicographically) that share fewer than T
    // with every ticket.
    CoverageVerdict verdict;
    std::optional<WinsTable> wins; // when it holds: drawn numbers in the pool from T to the largest ticket
    std::chrono::milliseconds elapsed{0};
};

using WheelCheckOutcome = Outcome<WheelCheckResult>;

WheelCheckOutcome CheckWheel(const WheelCheckRequest& request, const WheelControl& control = {});

} // namespace vantorel
