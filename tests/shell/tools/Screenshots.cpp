// shell_screenshots DIR: saves pictures of the main window, every page of the operations sheet (on the
// history file of the current directory, after a few operations), the pattern dialog, the About dialog,
// a help page and every chart of the main window into DIR, for a person to look at. Run it on a real
// display (for example under Xvfb).

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "shell/AboutDialog.h"
#include "shell/CMainFrame.h"
#include "shell/CPsheet.h"
#include "shell/CVantorelApp.h"
#include "shell/HelpWindow.h"
#include "shell/SheetPage.h"
#include "shell/pages/PatternDialog.h"
#include "shell/pages/SheetPages.h"
#include "tests/shell/tools/ChartScreenshots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <utility>
#include <vector>

namespace {

using namespace vantorel;

void Save(QWidget& widget, const QDir& directory, const QString& name) {
    QApplication::processEvents();
    widget.grab().save(directory.filePath(name + QStringLiteral(".png")));
}

// Clicks a button of a page (turning to the page when it is not shown), or (page -1) of the sheet itself.
void Click(CPsheet& sheet, int page, const char* name) {
    QWidget* root = page < 0 ? static_cast<QWidget*>(&sheet) : sheet.page(page);
    if (page >= 0 && sheet.activeIndex() != page) {
        sheet.SetActivePage(page);
    }
    if (auto* button = root->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
    }
}

void Type(CPsheet& sheet, int page, const char* field, const char* text) {
    if (auto* edit = sheet.page(page)->findChild<QLineEdit*>(QString::fromLatin1(field))) {
        edit->clear();
        QTest::keyClicks(edit, QString::fromLatin1(text));
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

void SaveLottoShot(CPsheet& sheet, const LottoShot& shot, const QDir& directory) {
    Click(sheet, shot.page, shot.undated ? "undatedRadio" : "datedRadio");
    Click(sheet, shot.page, shot.operation);
    for (const auto& [field, text] : shot.inputs) {
        Type(sheet, shot.page, field, text);
    }
    Save(sheet, directory, QStringLiteral("page%1-%2").arg(shot.page).arg(QString::fromLatin1(shot.name)));
    Click(sheet, -1, "applyButton");
    Save(sheet, directory, QStringLiteral("page7-after-%1").arg(QString::fromLatin1(shot.name)));
    Click(sheet, kDejaViewPage, "clearListButton");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QDir directory(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    RecordingMessageSink messages;
    const ScopedMessageSink installed(messages);
    MemoryProfileStore profile;
    const SystemClock clock;
    CVantorelApp app(profile, clock, &BuildSheetPages);
    app.InitInstance();
    Save(*app.mainFrame(), directory, QStringLiteral("main-window"));

    app.handOver().plantedSeed = 17; // shows the "Seed is Planted" note
    CPsheet sheet(app.handOver(), app.results(), app.services(), app.mainFrame());
    sheet.show();
    QApplication::processEvents();
    Save(sheet, directory, QStringLiteral("page0-3number-fresh"));

    Click(sheet, kThreeNumberPage, "totalsRadio");
    Click(sheet, -1, "applyButton");
    Click(sheet, kFourNumberPage, "numberRadio");
    QTest::keyClicks(sheet.page(kFourNumberPage)->findChild<QLineEdit*>(QStringLiteral("numberEdit")),
                     QStringLiteral("1234"));
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
    for (int page = kFiveNumberPage; page <= kSetupPage + 1; ++page) {
        sheet.SetActivePage(page);
        Save(sheet, directory, QStringLiteral("page%1").arg(page));
    }

    PatternDialog pattern(&sheet);
    pattern.show();
    Save(pattern, directory, QStringLiteral("pattern-dialog"));
    AboutDialog about(app.mainFrame());
    about.show();
    Save(about, directory, QStringLiteral("about-dialog"));
    HelpWindow help(app.mainFrame());
    help.show();
    for (const int context : {5005, 5007, 5009}) {
        help.ShowPage(context);
        Save(help, directory, QStringLiteral("help-%1").arg(context));
    }
    help.hide();
    about.hide();
    pattern.hide();
    sheet.hide();
    tools::SaveChartPictures(app, profile, clock, directory);
    return 0;
}
