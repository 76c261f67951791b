// SPDX-License-Identifier: GPL-3.0-or-later
// shell_screenshots DIR: saves pictures of the main window, every page of the operations sheet (on the
// history file of the current directory, after a few operations), the Data File page in the states of an
// import, a manual entry and a results import (on a copy of that history in a folder of its own), the
// pattern, backup and import warning dialogs, the About dialog, help pages and every chart of the main window
// into DIR, for a person to look at. Run it on a real display (for example under Xvfb).

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "shell/AboutDialog.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/NewLotteryFolderDialog.h"
#include "shell/OperationsSheet.h"
#include "shell/QtMessageSink.h"
#include "shell/SheetPage.h"
#include "shell/StatisticsWindow.h"
#include "shell/VantorelApp.h"
#include "shell/pages/BackupDialog.h"
#include "shell/pages/PatternDialog.h"
#include "shell/pages/SheetPages.h"
#include "tools/screenshots/ChartScreenshots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <utility>
#include <vector>

namespace {

using namespace vantorel;

void Save(QWidget& widget, const QDir& directory, const QString& name) {
    QApplication::processEvents();
    widget.grab().save(directory.filePath(name + QStringLiteral(".png")));
}

// Clicks a button of a page (turning to the page when it is not shown), or (page -1) of the sheet itself.
void Click(OperationsSheet& sheet, int page, const char* name) {
    QWidget* root = page < 0 ? static_cast<QWidget*>(&sheet) : sheet.page(page);
    if (page >= 0 && sheet.activeIndex() != page) {
        sheet.SetActivePage(page);
    }
    if (auto* button = root->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
    }
}

void Type(OperationsSheet& sheet, int page, const char* name, const QString& text) {
    if (auto* edit = sheet.page(page)->findChild<QLineEdit*>(QString::fromLatin1(name))) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

// One lotto operation as a user runs it: the page with its inputs, then "Deja View" after Apply.
struct LottoShot {
    int page;
    const char* name;
    bool undated;
    const char* operation;
    std::vector<std::pair<const char*, const char*>> inputs;
};

void SaveLottoShot(OperationsSheet& sheet, const LottoShot& shot, const QDir& directory) {
    Click(sheet, shot.page, shot.undated ? "undatedRadio" : "datedRadio");
    Click(sheet, shot.page, shot.operation);
    for (const auto& [field, text] : shot.inputs) {
        Type(sheet, shot.page, field, QString::fromLatin1(text));
    }
    Save(sheet, directory, QStringLiteral("page%1-%2").arg(shot.page).arg(QString::fromLatin1(shot.name)));
    Click(sheet, -1, "applyButton");
    Save(sheet, directory, QStringLiteral("page7-after-%1").arg(QString::fromLatin1(shot.name)));
    Click(sheet, kDejaViewPage, "clearListButton");
}

// Picks an item of the Data File page's operation list, as a click in the open list does.
void ChooseOperation(OperationsSheet& sheet, const QString& item) {
    auto* list = sheet.page(kDataFilePage)->findChild<QComboBox*>(QStringLiteral("operationList"));
    const int index = list->findText(item);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Saves the modal dialog that the next click opens, then cancels it.
void SaveNextDialog(const QDir& directory, const QString& name) {
    QTimer::singleShot(100, [directory, name] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            Save(*dialog, directory, name);
            dialog->reject();
        }
    });
}

// A file of 300 dated 3 Number drawings, one a day from the first of January 2026.
QString WriteImportFile(const QDir& folder) {
    const QString path = folder.filePath(QStringLiteral("drawings.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        const QDate first(2026, 1, 1);
        for (int day = 0; day < 300; ++day) {
            file.write(QStringLiteral("%1 %2\n")
                           .arg(first.addDays(day).toString(QStringLiteral("MM/dd/yy")))
                           .arg((day * 37) % 1000, 3, 10, QLatin1Char('0'))
                           .toLatin1());
        }
    }
    return path;
}

// Saves the first message box that opens from now on, then closes it.
class MessageBoxShot final {
public:
    MessageBoxShot(const QDir& directory, QString name) : directory_(directory), name_(std::move(name)) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                timer_.stop();
                Save(*box, directory_, name_);
                box->accept();
            }
        });
        timer_.start(20);
    }

private:
    QTimer timer_;
    QDir directory_;
    QString name_;
};

// A results file as a lottery publishes it, the midday and evening drawings of a 4 digit game in two
// columns, newest first: the 20 days from the 1st of November 2026 on.
QString WriteResultsFile(const QDir& folder) {
    const QString path = folder.filePath(QStringLiteral("win4.csv"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write("Draw Date,Midday Daily,Evening Daily\n");
        const QDate first(2026, 11, 1);
        for (int day = 19; day >= 0; --day) {
            file.write(QStringLiteral("%1,%2,%3\n")
                           .arg(first.addDays(day).toString(QStringLiteral("MM/dd/yyyy")))
                           .arg((day * 4111) % 10000, 4, 10, QLatin1Char('0'))
                           .arg((day * 7919) % 10000, 4, 10, QLatin1Char('0'))
                           .toLatin1());
        }
    }
    return path;
}

// "Results Import (UPDATE)" of the evening column of such a file, with the closing message as the user
// sees it, and the 4 Number page afterwards.
void SaveResultsImport(VantorelApp& app, OperationsSheet& sheet, const QDir& directory, const QDir& scratch) {
    const QString resultsFile = WriteResultsFile(scratch);
    app.services().chooseFileToOpen = [resultsFile](const QString&, const QString&, QWidget*) {
        return resultsFile;
    };
    ChooseOperation(sheet, QStringLiteral("Results Import (UPDATE)"));
    Click(sheet, kDataFilePage, "fourNumberGameRadio");
    Click(sheet, kDataFilePage, "importButton");
    Type(sheet, kDataFilePage, "resultsColumnEdit", QStringLiteral("Evening Daily"));
    Save(sheet, directory, QStringLiteral("page6-datafile-results-chosen"));
    {
        QtMessageSink boxes;
        const ScopedMessageSink shown(boxes);
        const MessageBoxShot closingMessage(directory, QStringLiteral("results-import-message"));
        Click(sheet, kDataFilePage, "applySelectionButton");
    }
    Save(sheet, directory, QStringLiteral("page6-datafile-results-imported"));
    sheet.SetActivePage(kFourNumberPage);
    if (auto* dated = sheet.page(kFourNumberPage)->findChild<QAbstractButton*>(QStringLiteral("datedCheck"));
        dated != nullptr && !dated->isChecked()) {
        Click(sheet, kFourNumberPage, "datedCheck");
    }
    Click(sheet, kFourNumberPage, "dateRadio");
    Type(sheet, kFourNumberPage, "numberEdit", QStringLiteral("11/20/26"));
    Click(sheet, -1, "applyButton");
    Save(sheet, directory, QStringLiteral("page7-after-results-import"));
    sheet.SetActivePage(kFourNumberPage);
    Save(sheet, directory, QStringLiteral("page1-4number-after-results-import"));
}

// The Data File page through an APPEND import, a manual entry and the dialogs, on a copy of the history.
// The Statistics window on each of its tabs, the Backtest tab after a Hottest backtest.
void SaveStatisticsWindow(VantorelApp& app, const QDir& directory) {
    StatisticsWindow statistics(app.services(), kFiveNumberPage, true, app.mainWindow());
    statistics.show();
    auto* tabs = statistics.findChild<QTabWidget*>(QStringLiteral("statisticsTabs"));
    QSignalSpy finished(&statistics, &StatisticsWindow::BacktestFinished);
    statistics.RunBacktest();
    finished.wait(60000);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QTest::qWait(100);
        Save(statistics, directory, QStringLiteral("statistics-tab%1").arg(tab));
    }
}

void SaveDataFilePage(VantorelApp& app, OperationsSheet& sheet, const QDir& directory) {
    const QTemporaryDir scratch;
    QFile::copy(QStringLiteral("vtrmain.dat"), scratch.filePath(QStringLiteral("vtrmain.dat")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(scratch.path());
    const QString importFile = WriteImportFile(QDir(scratch.path()));
    app.services().chooseFileToOpen = [importFile](const QString&, const QString&, QWidget*) {
        return importFile;
    };

    sheet.SetActivePage(kDataFilePage);
    Save(sheet, directory, QStringLiteral("page6-datafile-fresh"));
    ChooseOperation(sheet, QStringLiteral("Data Import (APPEND)"));
    Click(sheet, kDataFilePage, "threeNumberGameRadio");
    Click(sheet, kDataFilePage, "datedDataRadio");
    Click(sheet, kDataFilePage, "automaticButton");
    Save(sheet, directory, QStringLiteral("page6-datafile-file-chosen"));
    // Taken while the import runs: the page disabled, the progress light on.
    QTimer::singleShot(0, [&] { Save(sheet, directory, QStringLiteral("page6-datafile-importing")); });
    Click(sheet, kDataFilePage, "applySelectionButton");
    Save(sheet, directory, QStringLiteral("page6-datafile-imported"));
    Click(sheet, kDataFilePage, "manualButton");
    Type(sheet, kDataFilePage, "entryEdit", QStringLiteral("10/28/26 123"));
    Save(sheet, directory, QStringLiteral("page6-datafile-typed"));
    Click(sheet, kDataFilePage, "enterDataButton");
    Save(sheet, directory, QStringLiteral("page6-datafile-appended"));

    ChooseOperation(sheet, QStringLiteral("Data Import (NEW)"));
    Click(sheet, kDataFilePage, "importButton");
    SaveNextDialog(directory, QStringLiteral("existing-history-warning"));
    Click(sheet, kDataFilePage, "applySelectionButton");
    ChooseOperation(sheet, QStringLiteral("Backup Datafile"));
    SaveNextDialog(directory, QStringLiteral("backup-dialog"));
    Click(sheet, kDataFilePage, "backupButton");
    sheet.SetActivePage(kThreeNumberPage);
    Save(sheet, directory, QStringLiteral("page0-3number-after-import"));
    SaveResultsImport(app, sheet, directory, QDir(scratch.path()));
    QDir::setCurrent(previous);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QDir directory(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    // No message sink: the windows' messages are not shown, and questions take the cautious answer.
    MemoryProfileStore profile;
    const SystemClock clock;
    VantorelApp app(profile, clock, &BuildSheetPages);
    app.InitInstance();
    Save(*app.mainWindow(), directory, QStringLiteral("main-window"));
    // The whole screen: where the main window opens and whether it fits (try QT_SCALE_FACTOR=2).
    if (QTest::qWaitForWindowExposed(app.mainWindow())) {
        QTest::qWait(150);
        app.mainWindow()->screen()->grabWindow(0).save(directory.filePath(QStringLiteral("screen.png")));
    }

    app.handOver().plantedSeed = 17; // shows the "Seed is Planted" note
    OperationsSheet sheet(app.handOver(), app.results(), app.services(), app.mainWindow());
    sheet.show();
    QApplication::processEvents();
    Save(sheet, directory, QStringLiteral("page0-3number-fresh"));

    Click(sheet, kThreeNumberPage, "totalsRadio");
    Click(sheet, -1, "applyButton");
    Click(sheet, kFourNumberPage, "numberRadio");
    Type(sheet, kFourNumberPage, "numberEdit", QStringLiteral("1234"));
    Save(sheet, directory, QStringLiteral("page1-4number-number"));
    Click(sheet, -1, "applyButton");
    Save(sheet, directory, QStringLiteral("page7-dejaview"));
    const LottoShot lottoShots[] = {
        {kFiveNumberPage, "5number-number", false, "numberRadio", {{"numberEdit", "7 11 18 21 22"}}},
        {kFiveNumberPage, "5number-evenodd", true, "evenOddRadio", {}},
        {kSixNumberPage, "6number-partial", true, "partialNumberRadio", {{"numberEdit", "15 22 29"}}},
        {kSixNumberPage,
         "6number-daterange",
         false,
         "dateRangeRadio",
         {{"fromEdit", "03/11/06"}, {"toEdit", "04/30/06"}}},
        {kPowerballPage,
         "powerball-number",
         false,
         "numberRadio",
         {{"numberEdit", "2 4 15 37 43"}, {"powerBallEdit", "40"}}},
        {kPowerballPage, "powerball-hottest", false, "hottestRadio", {}},
        {kPowerballPage, "powerball-totals", true, "totalsRadio", {}},
    };
    for (const LottoShot& shot : lottoShots) {
        SaveLottoShot(sheet, shot, directory);
    }
    for (int page = kFiveNumberPage; page <= kSetupPage; ++page) {
        sheet.SetActivePage(page);
        Save(sheet, directory, QStringLiteral("page%1").arg(page));
    }
    SaveDataFilePage(app, sheet, directory);

    PatternDialog pattern(&sheet);
    pattern.show();
    Save(pattern, directory, QStringLiteral("pattern-dialog"));
    AboutDialog about(app.mainWindow());
    about.show();
    Save(about, directory, QStringLiteral("about-dialog"));
    NewLotteryFolderDialog newFolder([](QWidget*) { return QString(); }, app.mainWindow());
    newFolder.SetFolder(QStringLiteral("~/lotteries/powerball"));
    newFolder.TickPreset("powerball");
    newFolder.show();
    Save(newFolder, directory, QStringLiteral("new-lottery-folder-dialog"));
    newFolder.hide();
    HelpWindow help(app.mainWindow());
    help.show();
    for (const int context : {5000, 5005, 5007, 5009, 5011}) {
        help.ShowPage(context);
        Save(help, directory, QStringLiteral("help-%1").arg(context));
    }
    help.resize(help.width(), 1900); // the whole Data File page, with its tables and lists
    help.ShowPage(5011);
    Save(help, directory, QStringLiteral("help-5011-whole"));
    help.hide();
    about.hide();
    pattern.hide();
    sheet.hide();
    SaveStatisticsWindow(app, directory);
    tools::SaveChartPictures(app, profile, clock, directory);
    return 0;
}
