// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window of the size of Vantorel's main window, which ends as soon as it has been shown on the
// screen: what the desktop program's start is compared with (process-bench-desktop.sh).

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Ends the program once the window has been shown (and painted, which happens during the event).
class QuitWhenExposed final : public QObject {
public:
    explicit QuitWhenExposed(QWidget& window) : window_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched == window_.windowHandle() &&
            window_.windowHandle()->isExposed()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(860, 640);
    if (const QScreen* screen = window.screen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
    const QuitWhenExposed quit(window);
    window.show();
    return QApplication::exec();
}
