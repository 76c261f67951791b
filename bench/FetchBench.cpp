// SPDX-License-Identifier: GPL-3.0-or-later
// Fetching the published Power Ball file (58 KB) from a server on the loopback address: the whole file, and
// the conditional request of an update when nothing changed. Then whole updates of the Power Ball history
// from there: the 1997-2015 file into an empty history, a modern New York file of about 1,900 drawings with
// today's Powerball preset in force (its drawings before 10/07/2015 left out), and the second update of
// each with nothing new: the conditional request, and the whole file again from a server that sends no
// validators. Wall time, since much of it is waiting.

#include "bench/BenchHistories.h"
#include "net/Fetch.h"
#include "platform/GamePresets.h"
#include "store/HistoryFile.h"
#include "store/KeptValidators.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TestFiles.h"
#include "update/ResultsUpdate.h"

#include "bench/SteadyBench.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using namespace vantorel;
using bench::Steady;

struct PublishedFileServer {
    PublishedFileServer() {
        ::setenv("no_proxy", "*", 1);
        test::HttpReply reply;
        reply.body = test::ReadFile(test::TestDataPath("shared/official/powerball-1997-2015.csv"));
        reply.etag = "\"powerball\"";
        reply.lastModified = "Tue, 07 Oct 2025 10:00:00 GMT";
        server.Serve("/rows.csv", reply);
        request.url = server.Url("/rows.csv");
    }
    test::LoopbackHttpServer server;
    FetchRequest request;
};

void BM_FetchWholeFile(benchmark::State& state) {
    const PublishedFileServer source;
    for (auto _ : state) {
        const FetchResult result = Fetch(source.request);
        if (result.status != FetchStatus::kFetched) {
            state.SkipWithError(result.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.body.data());
    }
}
BENCHMARK(BM_FetchWholeFile)->Unit(benchmark::kMicrosecond)->UseRealTime()->Apply(Steady);

void BM_FetchNotModified(benchmark::State& state) {
    PublishedFileServer source;
    source.request.validators = {"\"powerball\"", ""};
    for (auto _ : state) {
        const FetchResult result = Fetch(source.request);
        if (result.status != FetchStatus::kNotModified) {
            state.SkipWithError(result.message.c_str());
            break;
        }
    }
}
BENCHMARK(BM_FetchNotModified)->Unit(benchmark::kMicrosecond)->UseRealTime()->Apply(Steady);

// A results file served from the loopback address, and a working directory for the history it updates.
struct UpdateSource {
    UpdateSource(std::string body, bool validators, GameSettings gameSettings, int eraStart)
        : settings(gameSettings) {
        ::setenv("no_proxy", "*", 1);
        test::HttpReply reply;
        reply.body = std::move(body);
        if (validators) {
            reply.etag = "\"published\"";
            reply.lastModified = "Sat, 04 Oct 2025 06:00:00 GMT";
        }
        server.Serve("/rows.csv", reply);
        request.gameType = kPowerball;
        request.url = server.Url("/rows.csv");
        request.eraStart = eraStart;
    }
    // How the update ended; nothing when it was refused. Its messages are not shown.
    std::optional<ResultsUpdated> Update() const {
        const Outcome<ResultsUpdated> updated = UpdateResults(request, settings, {});
        return updated.refused() ? std::nullopt : std::optional(*updated);
    }

    test::TempWorkingDir directory;
    test::LoopbackHttpServer server;
    ResultsUpdateRequest request;
    GameSettings settings;
};

std::string PublishedPowerball() {
    return test::ReadFile(test::TestDataPath("shared/official/powerball-1997-2015.csv"));
}
constexpr GameSettings kPowerball1997To2015{26, 49, 59, 42, 5};
constexpr GameSettings kTodaysPowerball{26, 49, 69, 26, 5};
constexpr int kTodaysPowerballEra = DateKeyOf(2015, 10, 7);

// Each iteration starts from an empty history and writes every drawing.
void UpdateIntoEmptyHistory(benchmark::State& state, std::string body, GameSettings settings, int eraStart) {
    UpdateSource source(std::move(body), true, settings, eraStart);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(std::string(kHistoryFileName));
        std::filesystem::remove(std::string(kKeptValidatorsFileName));
        state.ResumeTiming();
        if (source.Update() != ResultsUpdated::kWritten) {
            state.SkipWithError("the update wrote nothing");
            break;
        }
    }
}

// The update after a first one, with nothing new in the file.
void UpdateAgain(benchmark::State& state, std::string body, GameSettings settings, int eraStart,
                 bool validators) {
    UpdateSource source(std::move(body), validators, settings, eraStart);
    source.Update();
    const ResultsUpdated expected =
        validators ? ResultsUpdated::kSourceUnchanged : ResultsUpdated::kNothingNew;
    for (auto _ : state) {
        if (source.Update() != expected) {
            state.SkipWithError("the second update did not find the history up to date");
            break;
        }
    }
}

const bool kUpdatesRegistered = [] {
    const auto timed = [](benchmark::internal::Benchmark* benchmark) {
        Steady(benchmark->Unit(benchmark::kMillisecond)->UseRealTime());
    };
    timed(benchmark::RegisterBenchmark("Update/Powerball1997To2015/EmptyHistory", UpdateIntoEmptyHistory,
                                       PublishedPowerball(), kPowerball1997To2015, 0));
    timed(benchmark::RegisterBenchmark("Update/Powerball1997To2015/NotModified", UpdateAgain,
                                       PublishedPowerball(), kPowerball1997To2015, 0, true));
    timed(benchmark::RegisterBenchmark("Update/Powerball1997To2015/NothingNewWithoutValidators", UpdateAgain,
                                       PublishedPowerball(), kPowerball1997To2015, 0, false));
    timed(benchmark::RegisterBenchmark("Update/ModernPowerball/EmptyHistory", UpdateIntoEmptyHistory,
                                       bench::ModernPowerballResults(), kTodaysPowerball,
                                       kTodaysPowerballEra));
    timed(benchmark::RegisterBenchmark("Update/ModernPowerball/NotModified", UpdateAgain,
                                       bench::ModernPowerballResults(), kTodaysPowerball, kTodaysPowerballEra,
                                       true));
    timed(benchmark::RegisterBenchmark("Update/ModernPowerball/NothingNewWithoutValidators", UpdateAgain,
                                       bench::ModernPowerballResults(), kTodaysPowerball, kTodaysPowerballEra,
                                       false));
    return true;
}();

} // namespace
