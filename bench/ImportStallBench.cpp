// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window's thread goes without handling events while the Data File page runs a "Data Import
// (NEW)" of 3,549 dated 3 Number drawings, from the press of "Apply Selection" until the import is done. A
// timer of the window's thread that fires whenever the thread handles events marks every stretch; the
// counter longest_stall_ms is the longest of them over all iterations (a window that goes 16 ms without
// handling events misses a frame).

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "shell/HandOver.h"
#include "shell/OperationsSheet.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"
#include "shell/pages/SheetPages.h"
#include "store/HistoryFile.h"
#include "tests/support/TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>

namespace vantorel {
namespace {

constexpr int kDrawings = 3549;

// Records the longest stretch between two turns of the window thread's event loop while it runs.
class StallProbe final {
public:
    StallProbe() {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Mark(); });
        timer_.setInterval(0);
    }
    void Start() {
        last_ = Clock::now();
        timer_.start();
    }
    void Stop() {
        Mark();
        timer_.stop();
    }
    double LongestMilliseconds() const { return std::chrono::duration<double, std::milli>(longest_).count(); }

private:
    using Clock = std::chrono::steady_clock;
    void Mark() {
        const Clock::time_point now = Clock::now();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }

    QTimer timer_;
    Clock::time_point last_;
    Clock::duration longest_{};
};

// A number with leading zeros to `width` digits.
std::string Padded(int number, std::size_t width) {
    std::string text = std::to_string(number);
    return std::string(width - std::min(width, text.size()), '0') + text;
}

// kDrawings dated drawings, one a line ("mm/dd/yy nnn"), 28 days a month.
std::string ImportFile() {
    std::string text;
    for (int i = 0; i < kDrawings; ++i) {
        text += Padded(1 + (i / 28) % 12, 2) + '/' + Padded(1 + i % 28, 2) + '/' + Padded(i / 336, 2) + ' ' +
                Padded(i % 1000, 3) + '\n';
    }
    return text;
}

// Messages go to standard error, so that a failed import says why; questions take the cautious answer.
class StderrSink final : public MessageSink {
public:
    MessageAnswer Show(std::string_view text, MessageIcon, MessageButtons buttons) override {
        std::cerr << text << '\n';
        return CautiousAnswer(buttons);
    }
};

template <class Control> Control* Find(QWidget& sheet, const char* name) {
    return sheet.findChild<Control*>(QString::fromLatin1(name));
}

void BM_LongestEventLoopStallDuringImport(benchmark::State& state) {
    const test::TempWorkingDir directory;
    test::WriteFile("import.txt", ImportFile());
    MemoryProfileStore profile;
    const SystemClock clock;
    ShellServices services(profile, clock, &BuildSheetPages);
    services.chooseFileToOpen = [](const QString&, const QString&, QWidget*) {
        return QStringLiteral("import.txt");
    };
    HandOver handOver;
    SheetResults results;
    StderrSink sink;
    const ScopedMessageSink installed(sink);
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(std::string(kHistoryFileName));
        OperationsSheet sheet(handOver, results, services);
        sheet.show();
        sheet.SetActivePage(kDataFilePage);
        auto* list = Find<QComboBox>(sheet, "operationList");
        const int item = list->findText(QStringLiteral("Data Import (NEW)"));
        list->setCurrentIndex(item);
        emit list->activated(item);
        for (const char* button : {"threeNumberGameRadio", "datedDataRadio", "importButton"}) {
            Find<QAbstractButton>(sheet, button)->click();
        }
        StallProbe probe;
        state.ResumeTiming();
        probe.Start();
        Find<QAbstractButton>(sheet, "applySelectionButton")->click();
        probe.Stop();
        state.PauseTiming();
        longest = std::max(longest, probe.LongestMilliseconds());
        const bool written = std::filesystem::exists(std::string(kHistoryFileName));
        state.ResumeTiming();
        if (!written) {
            state.SkipWithError("the import wrote no history");
            break;
        }
    }
    state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_LongestEventLoopStallDuringImport)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace vantorel

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
