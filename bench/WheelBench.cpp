// SPDX-License-Identifier: GPL-3.0-or-later
// Wheels against the sizes that are known: each case builds one wheel with an 8 second budget and seed 1,
// as `vantorel-cli wheel` would, verified and tabulated. The counters give the pool (V), the ticket size
// (K), the guarantee (T if M), the tickets reached (size), the proven optimum or best size known
// (known; 0 when not catalogued), the lower bound (bound: the Schönheim bound when T = M) and the work
// units spent; the label names the construction or search that made the wheel. Read the Time column
// (wall clock) for the time used.
//
// The "Search/" cases build the same proven optima by local search alone, without the known designs.

#include "wheels/CoverageVerifier.h"
#include "wheels/KnownWheelSizes.h"
#include "wheels/WheelBounds.h"
#include "wheels/WheelGenerator.h"
#include "wheels/WheelSearch.h"
#include "wheels/WorkBudget.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <numeric>
#include <string>

namespace vantorel {
namespace {

constexpr double kSeconds = 8;
constexpr std::uint64_t kSeed = 1;

struct Case {
    int v;
    int k;
    int t;
    int m;
};

void SetCounters(benchmark::State& state, const Case& c, std::size_t size, std::uint64_t bound,
                 std::uint64_t units) {
    const std::optional<KnownWheelSize> known = FindKnownWheelSize(c.v, c.k, c.t, c.m);
    state.counters["V"] = c.v;
    state.counters["K"] = c.k;
    state.counters["T"] = c.t;
    state.counters["M"] = c.m;
    state.counters["size"] = static_cast<double>(size);
    state.counters["known"] = known ? static_cast<double>(known->tickets) : 0;
    state.counters["bound"] = static_cast<double>(bound);
    state.counters["units"] = static_cast<double>(units);
}

void GenerateCase(benchmark::State& state, Case c) {
    WheelRequest request;
    request.pool.resize(static_cast<std::size_t>(c.v));
    std::iota(request.pool.begin(), request.pool.end(), 1);
    request.ticketSize = c.k;
    request.guarantee = c.t;
    request.drawn = c.m;
    request.seconds = kSeconds;
    request.seed = kSeed;
    for (auto _ : state) {
        const WheelOutcome outcome = GenerateWheel(request);
        if (outcome.refused()) {
            state.SkipWithError(outcome.refusal().text.c_str());
            return;
        }
        const WheelResult& result = *outcome;
        SetCounters(state, c, result.tickets.size(), result.lowerBound, result.workUnits);
        state.SetLabel(result.method + (result.stoppedByClock ? " [stopped by the clock]" : ""));
    }
}

void SearchCase(benchmark::State& state, Case c) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        WorkBudget budget(static_cast<std::uint64_t>(kSeconds * kWorkUnitsPerSecond),
                          start + std::chrono::seconds(static_cast<int>(kSeconds)), {});
        WheelSearch search(c.v, c.k, c.t, c.m, kSeed);
        search.SkipKnownDesigns();
        const std::vector<FoundWheel> found = search.Run(budget);
        if (found.empty() ||
            FindMissingSet(c.v, found.back().tickets, c.t, c.m).status != CoverageVerdict::Status::Holds) {
            state.SkipWithError("no verified wheel");
            return;
        }
        SetCounters(state, c, found.back().tickets.size(), LowerBoundFor(c.v, c.k, c.t, c.m).tickets,
                    budget.Spent());
        state.SetLabel(found.back().method);
    }
}

std::string Name(const char* family, const Case& c) {
    return std::string(family) + "/" + std::to_string(c.v) + "-" + std::to_string(c.k) + "-" +
           std::to_string(c.t) + "if" + std::to_string(c.m);
}

void Register(const char* family, void (*run)(benchmark::State&, Case), const Case& c) {
    benchmark::RegisterBenchmark(Name(family, c).c_str(), run, c)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

const bool registered = [] {
    const Case provenOptima[] = {{7, 3, 2, 2}, {9, 3, 2, 2},  {13, 4, 2, 2},
                                 {8, 4, 3, 3}, {10, 4, 3, 3}, {11, 5, 4, 4}};
    for (const Case& c : provenOptima) {
        Register("Optimum", GenerateCase, c);
    }
    for (int v = 12; v <= 20; ++v) {
        Register("Lotto", GenerateCase, {v, 6, 3, 3});
    }
    for (int v = 10; v <= 16; ++v) {
        Register("Lotto", GenerateCase, {v, 6, 4, 4});
    }
    for (int v = 15; v <= 20; ++v) {
        Register("Lotto", GenerateCase, {v, 5, 3, 3});
    }
    Register("LottoDesign", GenerateCase, {59, 6, 2, 6});
    Register("Steiner", GenerateCase, {22, 6, 3, 3});
    Register("Steiner", GenerateCase, {12, 6, 5, 5});
    for (const Case& c : provenOptima) {
        Register("Search", SearchCase, c);
    }
    Register("Search", SearchCase, {22, 6, 3, 3});
    Register("Search", SearchCase, {12, 6, 5, 5});
    return true;
}();

} // namespace
} // namespace vantorel

BENCHMARK_MAIN();
