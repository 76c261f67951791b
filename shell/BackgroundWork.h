// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEventLoop>
#include <QObject>
#include <QThread>

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

} // namespace vantorel
