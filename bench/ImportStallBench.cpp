// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window's thread goes without handling events while the Data File page runs a "Data Import
// (NEW)" of 3,549 dated 3 Number drawings: from the press of "Apply Selection" until the sheet shows the
// import done (the completion picture painted). The sheet is shown and painted before the press, as the
// user sees it. A timer of the window's thread marks every turn of its event loop; the counters are, over
// all iterations:
//   longest_stall_ms      the longest stretch between two turns (a window that goes 16 ms without handling
//                         events misses a frame);
//   median_stall_ms       the median over the iterations of each one's longest stretch;
//   longest_stall_cpu_ms  the most CPU time the window's thread itself spent in one stretch: what the
//                         program does there, apart from the time other threads and programs took the CPU.
// The argument is the probe timer's interval in milliseconds. With 0 the timer fires at every turn, which
// keeps the window's thread busy all the time, as no window's thread is: it then competes for the CPU with
// the import's thread, and the system lets it wait for its turn; with 1 it sleeps between turns as the
// window's thread does, and a stretch is seen to within a millisecond.

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
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <time.h>

namespace vantorel {
namespace {

constexpr int kDrawings = 3549;

// The CPU time the calling thread has used.
std::chrono::duration<double, std::milli> ThreadCpuTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// Records the longest stretch between two turns of the window thread's event loop while it runs, and the
// most CPU time the thread spent in one stretch.
class StallProbe final {
public:
    explicit StallProbe(int intervalMs) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Mark(); });
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(intervalMs);
    }
    void Start() {
        last_ = Clock::now();
        lastCpu_ = ThreadCpuTime();
        timer_.start();
    }
    void Stop() {
        Mark();
        timer_.stop();
    }
    double LongestMilliseconds() const { return std::chrono::duration<double, std::milli>(longest_).count(); }
    double MostCpuMilliseconds() const { return mostCpu_.count(); }

private:
    using Clock = std::chrono::steady_clock;
    void Mark() {
        const auto cpu = ThreadCpuTime();
        const Clock::time_point now = Clock::now();
        longest_ = std::max(longest_, now - last_);
        mostCpu_ = std::max(mostCpu_, cpu - lastCpu_);
        last_ = now;
        lastCpu_ = cpu;
    }

    QTimer timer_;
    Clock::time_point last_;
    Clock::duration longest_{};
    std::chrono::duration<double, std::milli> lastCpu_{};
    std::chrono::duration<double, std::milli> mostCpu_{};
};

// Lets the window's thread handle events for `time`: whatever is pending (painting above all) is done.
void HandleEventsFor(std::chrono::milliseconds time) {
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

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
    std::vector<double> longest;
    double mostCpu = 0;
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
        // The sheet as the user sees it before pressing: shown, laid out and painted.
        HandleEventsFor(std::chrono::milliseconds(100));
        StallProbe probe(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        probe.Start();
        Find<QAbstractButton>(sheet, "applySelectionButton")->click();
        state.PauseTiming();
        // The sheet comes back and shows the completion picture in the turns after the press returns.
        HandleEventsFor(std::chrono::milliseconds(50));
        probe.Stop();
        longest.push_back(probe.LongestMilliseconds());
        mostCpu = std::max(mostCpu, probe.MostCpuMilliseconds());
        const bool written = std::filesystem::exists(std::string(kHistoryFileName));
        state.ResumeTiming();
        if (!written) {
            state.SkipWithError("the import wrote no history");
            break;
        }
    }
    if (longest.empty()) {
        return;
    }
    std::sort(longest.begin(), longest.end());
    state.counters["longest_stall_ms"] = longest.back();
    state.counters["median_stall_ms"] = longest[longest.size() / 2];
    state.counters["longest_stall_cpu_ms"] = mostCpu;
}
BENCHMARK(BM_LongestEventLoopStallDuringImport)
    ->ArgName("probe_interval_ms")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

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
