#include "shell/MainWindow.h"

#include "shell/AboutDialog.h"
#include "shell/ChartView.h"
#include "shell/HelpWindow.h"
#include "shell/KeyboardLocks.h"
#include "shell/ShellServices.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace vantorel {

namespace {

constexpr int kLockPollMilliseconds = 250;

QLabel* AddIndicator(QStatusBar* bar, const char* objectName, const QString& text) {
    auto* indicator = new QLabel(bar);
    indicator->setObjectName(QString::fromLatin1(objectName));
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(text) + 12);
    indicator->setFrameShape(QFrame::Panel);
    indicator->setFrameShadow(QFrame::Sunken);
    bar->addPermanentWidget(indicator);
    return indicator;
}

} // namespace

QString MainWindow::DocumentTitle(const QString& documentName) {
    const QString document = documentName.isEmpty() ? QStringLiteral("Untitled") : documentName;
    return document + QStringLiteral(" - Vantorel");
}

MainWindow::MainWindow(HandOver& handOver, SheetResults& results, ShellServices& services)
    : services_(services), view_(new ChartView(handOver, results, services, this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setCentralWidget(view_);
    BuildMenus();
    BuildStatusBar();
    AddDocumentShortcuts();
    resize(860, 640);
    if (const QScreen* screen = this->screen()) {
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    QAction* exportChart =
        file->addAction(QStringLiteral("&Export Chart..."), view_, &ChartView::ExportChart);
    exportChart->setObjectName(QStringLiteral("exportChartAction"));
    exportChart->setStatusTip(QStringLiteral("Save the chart as a PNG or SVG picture"));
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("exitAction"));
    exit->setStatusTip(QStringLiteral("Quit the application"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* helpTopics = help->addAction(QStringLiteral("&Help"), this, &MainWindow::ShowHelp);
    helpTopics->setObjectName(QStringLiteral("helpAction"));
    helpTopics->setShortcut(QKeySequence::HelpContents);
    helpTopics->setStatusTip(QStringLiteral("Show the help for the main window"));
    QAction* about = help->addAction(QStringLiteral("&About Vantorel..."), this, &MainWindow::ShowAbout);
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setStatusTip(QStringLiteral("Display program information and version number"));
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    auto* ready = new QLabel(QStringLiteral("Ready"), bar);
    ready->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(ready, 1);
    capsIndicator_ = AddIndicator(bar, "capsIndicator", QStringLiteral("CAP"));
    numIndicator_ = AddIndicator(bar, "numIndicator", QStringLiteral("NUM"));
    scrollIndicator_ = AddIndicator(bar, "scrollIndicator", QStringLiteral("SCRL"));
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &MainWindow::UpdateLockIndicators);
    poll->start(kLockPollMilliseconds);
    UpdateLockIndicators();
}

void MainWindow::UpdateLockIndicators() {
    const LockKeys locks = CurrentLockKeys().value_or(LockKeys{});
    capsIndicator_->setText(locks.capsLock ? QStringLiteral("CAP") : QString());
    numIndicator_->setText(locks.numLock ? QStringLiteral("NUM") : QString());
    scrollIndicator_->setText(locks.scrollLock ? QStringLiteral("SCRL") : QString());
}

// The document framework's keys: new, open and save change only the title (the document holds nothing);
// Ctrl+P prints the view. The editing keys have no command behind them.
void MainWindow::AddDocumentShortcuts() {
    const auto addShortcut = [this](const char* objectName, QKeySequence keys, auto slot) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(objectName));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    addShortcut("newAction", QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
        documentName_.clear();
        setWindowTitle(DocumentTitle(documentName_));
    });
    addShortcut("openAction", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenDocument(); });
    addShortcut("saveAction", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveDocument(); });
    addShortcut("printAction", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { view_->PrintView(); });
}

void MainWindow::OpenDocument() {
    const QString path = QFileDialog::getOpenFileName(this);
    if (!path.isEmpty()) {
        documentName_ = QFileInfo(path).fileName();
        setWindowTitle(DocumentTitle(documentName_));
    }
}

// Asks for a name as the framework's save does, but writes nothing: the document holds no data, and an
// empty file written over the chosen one would destroy it.
void MainWindow::SaveDocument() {
    const QString path = QFileDialog::getSaveFileName(this, QString(), QStringLiteral("Vantor"), QString(),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) {
        documentName_ = QFileInfo(path).fileName();
        setWindowTitle(DocumentTitle(documentName_));
    }
}

void MainWindow::ShowHelp() {
    services_.showHelp(kMainWindowHelpContext, this);
}

void MainWindow::ShowAbout() {
    AboutDialog about(this);
    about.exec();
}

} // namespace vantorel
