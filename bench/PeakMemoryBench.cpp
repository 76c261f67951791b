// SPDX-License-Identifier: GPL-3.0-or-later
// The most heap memory that reading a large results file or settings file holds at once, against the
// file's size: an 8 MiB results file (the largest an import takes) in four layouts (one of them a JSON
// array), and a 1 MiB settings file (the largest the store reads) read and written. The allowance is twice
// the file plus 8 MiB; the counters give the peak, the file and the allowance in MiB. Then the updates of
// the Power Ball history from the loopback address (FetchBench times them): the first, which fetches and
// writes the whole file, and the second, which finds nothing new; the server's own copies of the file count.

#include "bench/BenchHistories.h"
#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "settings/IniProfileStore.h"
#include "store/DataImport.h"
#include "store/HistoryFile.h"
#include "store/KeptValidators.h"
#include "store/ResultsImport.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TestFiles.h"
#include "update/ResultsUpdate.h"

#include "bench/SteadyBench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <new>
#include <string>

namespace {

// Every byte the program's operator new hands out, and the most that were out at once since the last reset.
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* Take(std::size_t size, std::size_t alignment) {
    void* memory = alignment <= alignof(std::max_align_t)
                       ? std::malloc(size == 0 ? 1 : size)
                       : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    const std::size_t live = liveBytes += malloc_usable_size(memory);
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return memory;
}

void Give(void* memory) {
    if (memory != nullptr) {
        liveBytes -= malloc_usable_size(memory);
        std::free(memory);
    }
}

} // namespace

void* operator new(std::size_t size) {
    return Take(size, alignof(std::max_align_t));
}
void* operator new[](std::size_t size) {
    return Take(size, alignof(std::max_align_t));
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return Take(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return Take(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* memory) noexcept {
    Give(memory);
}
void operator delete[](void* memory) noexcept {
    Give(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    Give(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    Give(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept {
    Give(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept {
    Give(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
    Give(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
    Give(memory);
}

namespace {

using namespace vantorel;
using bench::Steady;

constexpr double kMiB = 1024.0 * 1024.0;
constexpr std::size_t kResultsFileSize = kLargestImportFile;
constexpr std::size_t kSettingsFileSize = kLargestProfileFile;

// Runs `work` once and returns the most heap memory it held at once beyond what was held before.
template <typename Work> std::size_t PeakOf(Work work) {
    const std::size_t before = liveBytes.load();
    peakBytes = before;
    work();
    return peakBytes.load() - before;
}

void ReportPeak(benchmark::State& state, std::size_t peak, std::size_t input) {
    state.counters["peak_MiB"] = static_cast<double>(peak) / kMiB;
    state.counters["file_MiB"] = static_cast<double>(input) / kMiB;
    state.counters["allowed_MiB"] = 2.0 * static_cast<double>(input) / kMiB + 8.0;
}

// `words` repeated up to `size` bytes, each followed by `separator`.
std::string Filled(std::size_t size, std::string_view word, char separator) {
    std::string text;
    text.reserve(size);
    while (text.size() + word.size() + 1 <= size) {
        text.append(word).append(1, separator);
    }
    text.resize(size, separator);
    return text;
}

// Published lines of a 5 of 39 game, one for every day of the years a history holds, then the same lines
// again until the file is full: every repeated line gives the drawing of its day again.
std::string DrawingLines(std::size_t size) {
    std::string text = "Draw Date,Winning Numbers,Multiplier\n";
    std::string lines;
    for (int year = 1984; year <= 2083; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 28; ++day) {
                lines += bench::Padded(month, 2) + '/' + bench::Padded(day, 2) + '/' + std::to_string(year) +
                         ',' + std::to_string(day) + ' ' + std::to_string(day + 1) + ' ' +
                         std::to_string(month + 2) + ' ' + std::to_string(month + 16) + ' ' +
                         std::to_string(year % 7 + 32) + ",2X\n";
            }
        }
    }
    while (text.size() + lines.size() <= size) {
        text += lines;
    }
    text += lines.substr(0, lines.rfind('\n', size - text.size()) + 1);
    return text;
}

// The same drawings as a JSON array as New York's portal returns it, one object a line.
std::string JsonDrawings(std::size_t size) {
    std::string objects;
    for (int year = 1984; year <= 2083; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 28; ++day) {
                objects += ",{\"draw_date\":\"" + std::to_string(year) + '-' + bench::Padded(month, 2) + '-' +
                           bench::Padded(day, 2) + "T00:00:00.000\",\"winning_numbers\":\"" +
                           std::to_string(day) + ' ' + std::to_string(day + 1) + ' ' +
                           std::to_string(month + 2) + ' ' + std::to_string(month + 16) + ' ' +
                           std::to_string(year % 7 + 32) + "\",\"multiplier\":\"2\"}\n";
            }
        }
    }
    std::string text = "[";
    while (text.size() + objects.size() + 1 <= size) {
        text += objects;
    }
    text += objects.substr(0, objects.rfind('\n', size - text.size() - 1) + 1);
    text[1] = ' '; // no comma before the first object
    return text + ']';
}

void ResultsFilePeak(benchmark::State& state, const std::string& text) {
    const test::TempWorkingDir directory;
    test::WriteFile("results.csv", text);
    const GameSettings settings{39, 59, 69, 26, 5};
    std::size_t peak = 0;
    for (auto _ : state) {
        std::filesystem::remove(std::string(kHistoryFileName));
        peak =
            std::max(peak, PeakOf([&] {
                         static_cast<void>(ImportResults("results.csv", kFiveNumber, {}, {}, settings, {}));
                     }));
    }
    ReportPeak(state, peak, text.size());
}

void SettingsFilePeak(benchmark::State& state) {
    const test::TempWorkingDir directory;
    const std::filesystem::path file = directory.path() / "Vantorel.conf";
    std::string text =
        "; the settings of many programs\n[Settings]\n5BC=26\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n[Other]\n";
    for (int key = 0; text.size() < kSettingsFileSize - 16; ++key) {
        text += "k" + std::to_string(key) + '=' + std::to_string(key % 10) + '\n';
    }
    text.resize(kSettingsFileSize, '\n');
    test::WriteFile(file, text);
    IniProfileStore store(file);
    std::size_t peak = 0;
    int round = 0;
    for (auto _ : state) {
        peak = std::max(peak, PeakOf([&] {
                            benchmark::DoNotOptimize(ReadGameSettingTexts(store));
                            store.WriteString(kSettingsSection, kKey5BC, ++round % 2 == 0 ? "26" : "30");
                        }));
    }
    ReportPeak(state, peak, text.size());
}

// The first update of an empty history, and the second with nothing new.
void UpdatePeak(benchmark::State& state, const std::string& body, GameSettings settings, int eraStart) {
    const test::TempWorkingDir directory;
    ::setenv("no_proxy", "*", 1);
    test::LoopbackHttpServer server;
    test::HttpReply reply;
    reply.body = body;
    reply.etag = "\"published\"";
    server.Serve("/rows.csv", reply);
    ResultsUpdateRequest request;
    request.gameType = kPowerball;
    request.url = server.Url("/rows.csv");
    request.eraStart = eraStart;
    std::size_t first = 0;
    std::size_t second = 0;
    for (auto _ : state) {
        std::filesystem::remove(std::string(kHistoryFileName));
        std::filesystem::remove(std::string(kKeptValidatorsFileName));
        first = std::max(first, PeakOf([&] { static_cast<void>(UpdateResults(request, settings, {})); }));
        second = std::max(second, PeakOf([&] { static_cast<void>(UpdateResults(request, settings, {})); }));
    }
    state.counters["first_MiB"] = static_cast<double>(first) / kMiB;
    state.counters["second_MiB"] = static_cast<double>(second) / kMiB;
    state.counters["file_MiB"] = static_cast<double>(body.size()) / kMiB;
}

const bool kRegistered = [] {
    Steady(benchmark::RegisterBenchmark("ResultsFile8MiB/ShortWordsOnOneLine", ResultsFilePeak,
                                        Filled(kResultsFileSize, "ab", ' ')));
    Steady(benchmark::RegisterBenchmark("ResultsFile8MiB/ShortWordsALine", ResultsFilePeak,
                                        Filled(kResultsFileSize, "ab", '\n')));
    Steady(benchmark::RegisterBenchmark("ResultsFile8MiB/PublishedDrawings", ResultsFilePeak,
                                        DrawingLines(kResultsFileSize)));
    Steady(benchmark::RegisterBenchmark("ResultsFile8MiB/JsonDrawings", ResultsFilePeak,
                                        JsonDrawings(kResultsFileSize)));
    Steady(benchmark::RegisterBenchmark("SettingsFile1MiB/ReadAndWrite", SettingsFilePeak));
    Steady(benchmark::RegisterBenchmark(
        "Update/Powerball1997To2015", UpdatePeak,
        test::ReadFile(test::TestDataPath("shared/official/powerball-1997-2015.csv")),
        GameSettings{26, 49, 59, 42, 5}, 0));
    Steady(benchmark::RegisterBenchmark("Update/ModernPowerball", UpdatePeak, bench::ModernPowerballResults(),
                                        GameSettings{26, 49, 69, 26, 5}, DateKeyOf(2015, 10, 7)));
    return true;
}();

} // namespace
