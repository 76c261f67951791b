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

} // namespace vantorel
