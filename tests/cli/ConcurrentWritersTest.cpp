// SPDX-License-Identifier: GPL-3.0-or-later
// Several vantorel-cli processes writing one history at the same time, round after round: appends to one
// section, imports appended to another, and a backup. Every reported success must be in the file, every
// reported failure must not, and the history and its backup must always read whole.

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "store/HistoryAnalysis.h"
#include "tests/support/CliProcess.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vantorel::test {
namespace {

constexpr int kRounds = 25;
constexpr int kAppenders = 4;
constexpr int kImporters = 2;
constexpr int kNumbersPerImport = 3;

bool Succeeded(pid_t process) {
    const int status = WaitForCli(process);
    EXPECT_TRUE(status == 0 || status == 1) << status;
    return status == 0;
}

// The drawings of a section line of the file, by section number.
std::vector<int> Drawings(const std::string& history, int section) {
    std::vector<int> drawings;
    for (const std::string& word : SectionDrawingWords(history, section)) {
        drawings.push_back(std::stoi(word));
    }
    return drawings;
}

// Whether the file in the working directory reads whole: every line a section line free of errors.
bool ReadsWhole(const std::string& file) {
    const std::string kept = ReadFile("vtrmain.dat");
    if (file != "vtrmain.dat") {
        WriteFile("vtrmain.dat", ReadFile(file));
    }
    const CheckTable table = AnalyseHistoryFile(GameSettings{26, 49, 49, 42, 5}).value();
    WriteFile("vtrmain.dat", kept);
    const ReportLines report = ShowAnalysisReport(table);
    return table.wholeFile && table.records.size() == 3 &&
           std::all_of(report.begin(), report.end(), [](std::string_view line) {
               return line.find("free of errors") != std::string::npos;
           });
}

TEST(ConcurrentWriters, EverySuccessIsInTheFileAndEveryFailureIsNot) {
    TempWorkingDir directory;
    const std::string config = (directory.path() / "config").string();
    ASSERT_EQ(RunCli({"settings"}, config).status, 0); // the first run's defaults, before the race
    WriteFile("vtrmain.dat", "0 0\r\n2 0\r\n4 0\r\n");

    std::multiset<int> appended;
    std::set<std::vector<int>> imported;
    int failures = 0;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::pair<pid_t, int>> appends;
        std::vector<std::pair<pid_t, std::vector<int>>> imports;
        for (int i = 0; i < kImporters; ++i) {
            std::vector<int> numbers;
            std::string text;
            for (int k = 0; k < kNumbersPerImport; ++k) {
                numbers.push_back(((round * kImporters + i) * kNumbersPerImport + k) % 1000);
                text += std::to_string(numbers.back()) + '\n';
            }
            const std::string file = "import-" + std::to_string(i) + ".txt";
            WriteFile(file, text);
            imports.emplace_back(StartCli({"import", "3", "--undated", file, "--append"}, config), numbers);
        }
        for (int i = 0; i < kAppenders; ++i) {
            const int value = 1000 + round * kAppenders + i;
            appends.emplace_back(StartCli({"append", "4", "--undated", std::to_string(value)}, config),
                                 value);
        }
        const pid_t backup = StartCli({"backup", "--yes"}, config);

        for (const auto& [process, value] : appends) {
            if (Succeeded(process)) {
                appended.insert(value);
            } else {
                ++failures;
            }
        }
        for (const auto& [process, numbers] : imports) {
            if (Succeeded(process)) {
                imported.insert(numbers);
            } else {
                ++failures;
            }
        }
        const bool backedUp = Succeeded(backup);
        failures += backedUp ? 0 : 1;

        const std::string history = ReadFile("vtrmain.dat");
        ASSERT_TRUE(ReadsWhole("vtrmain.dat")) << "round " << round << ":\n" << history;
        if (backedUp) {
            ASSERT_TRUE(ReadsWhole("maindat.bak")) << "round " << round;
        }
        const std::vector<int> section2 = Drawings(history, 2);
        ASSERT_EQ(std::multiset<int>(section2.begin(), section2.end()), appended) << "round " << round;
        const std::vector<int> section0 = Drawings(history, 0);
        std::set<std::vector<int>> groups;
        for (std::size_t first = 0; first + kNumbersPerImport <= section0.size();
             first += kNumbersPerImport) {
            groups.emplace(section0.begin() + static_cast<long>(first),
                           section0.begin() + static_cast<long>(first + kNumbersPerImport));
        }
        ASSERT_EQ(section0.size(), imported.size() * kNumbersPerImport) << "round " << round;
        ASSERT_EQ(groups, imported) << "round " << round;
    }
    // The writers queue behind the lock rather than fail; only a very slow disk makes one give up.
    EXPECT_LE(failures, kRounds);
    EXPECT_FALSE(WorkFilesLeftIn("."));
}

} // namespace
} // namespace vantorel::test
