// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StartupProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include <iostream>
#include <memory>

namespace vantorel {

std::unique_ptr<StartupProbe> StartupProbe::FromEnvironment(QWidget& mainWindow) {
    const QByteArray until = qgetenv("VANTOREL_STARTUP_PROBE");
    if (until == "window") {
        return std::make_unique<StartupProbe>(mainWindow, Until::MainWindowShown);
    }
    if (until == "sheet") {
        return std::make_unique<StartupProbe>(mainWindow, Until::SheetShown);
    }
    return nullptr;
}

StartupProbe::StartupProbe(QWidget& mainWindow, Until until) : mainWindow_(&mainWindow), until_(until) {
    qApp->installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWindow*>(watched);
    if (event->type() != QEvent::Expose || window == nullptr || !window->isExposed() ||
        mainWindow_ == nullptr) {
        return false;
    }
    // The widget paints during this event; what follows runs once it is on the screen.
    if (window == mainWindow_->windowHandle()) {
        if (!mainWindowShown_) {
            mainWindowShown_ = true;
            QTimer::singleShot(0, this, [this] {
                if (until_ == Until::MainWindowShown) {
                    QCoreApplication::quit();
                } else {
                    DoubleClickMainWindow();
                }
            });
        }
    } else if (sinceDoubleClick_.isValid() && !sheetShown_) {
        sheetShown_ = true;
        QTimer::singleShot(0, this, [this] { SheetShown(); });
    }
    return false;
}

void StartupProbe::DoubleClickMainWindow() {
    auto* frame = qobject_cast<QMainWindow*>(mainWindow_.data());
    QWidget* view =
        frame != nullptr && frame->centralWidget() != nullptr ? frame->centralWidget() : mainWindow_.data();
    const QPointF centre = QRectF(view->rect()).center();
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, centre, view->mapToGlobal(centre), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    sinceDoubleClick_.start();
    // The sheet runs its own loop inside this call, until SheetShown() ends it.
    QApplication::sendEvent(view, &doubleClick);
}

void StartupProbe::SheetShown() {
    std::cerr << "sheet shown in " << static_cast<double>(sinceDoubleClick_.nsecsElapsed()) / 1e6 << " ms\n";
    QCoreApplication::exit(0);
}

} // namespace vantorel
