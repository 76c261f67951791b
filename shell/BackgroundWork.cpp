// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/BackgroundWork.h"

namespace vantorel {

void OnWindowThread(QObject& context, const std::function<void()>& call) {
    if (QThread::currentThread() == context.thread()) {
        call();
        return;
    }
    QMetaObject::invokeMethod(&context, call, Qt::BlockingQueuedConnection);
}

CoalescedCall::CoalescedCall(QObject& context, std::function<void()> call)
    : context_(context), shared_(std::make_shared<Shared>()) {
    shared_->call = std::move(call);
}

void CoalescedCall::Ask() {
    if (shared_->waiting.exchange(true)) {
        return;
    }
    // The flag is cleared before the call runs, so that an Ask made during the call queues the next one.
    QMetaObject::invokeMethod(
        &context_,
        [shared = shared_] {
            shared->waiting = false;
            shared->call();
        },
        Qt::QueuedConnection);
}

} // namespace vantorel
