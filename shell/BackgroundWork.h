// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace vantorel {

// Runs `work` on a thread of its own and returns its result. Meanwhile the window's thread goes on
// handling events in an event loop of its own (painting, timers, the signals the work sends), so the
// window never waits on the work or on a lock it takes; the caller keeps the user from starting anything
// else meanwhile. Messages and questions of the work reach the user through OnWindowThread.
template <class Work> auto RunOffWindowThread(Work work) -> decltype(work()) {
    std::optional<decltype(work())> result;
    QEventLoop waiting;
    const std::unique_ptr<QThread> worker(QThread::create([&result, &work] { result.emplace(work()); }));
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    if (!worker->isFinished()) {
        waiting.exec();
    }
    worker->wait();
    return std::move(*result);
}

// Runs `call` on the thread of `context` (the window's) and waits for it: at once when that is the
// calling thread. The work uses it to ask its questions, with no lock held.
void OnWindowThread(QObject& context, const std::function<void()>& call);

// Calls `call` on the thread of `context` (the window's) whenever the work asks, without waiting, but never
// queues a second call while one still waits there: work that reports progress far faster than the window
// is painted then costs the window's thread one call a turn instead of a pile of them at once. Ask may be
// called from any thread; a call always follows the last Ask. A call still waiting when this is destroyed
// runs all the same (unless `context` is gone).
class CoalescedCall final {
public:
    CoalescedCall(QObject& context, std::function<void()> call);

    void Ask();

private:
    struct Shared {
        std::function<void()> call;
        std::atomic<bool> waiting = false;
    };
    QObject& context_;
    std::shared_ptr<Shared> shared_;
};

} // namespace vantorel
