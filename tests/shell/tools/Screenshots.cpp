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

namespace {

using namespace vantorel;

void Save(QWidget& widget, const QDir& directory, const QString& name) {
    QApplication::processEvents();
    widget.grab().save(directory.filePath(name + QStringLiteral(".png")));
}

// Clicks a button of a page, or (page -1) of the sheet itself.
void Click(CPsheet& sheet, int page, const char* name) {
    QWidget* root = page < 0 ? static_cast<QWidget*>(&sheet) : sheet.page(page);
    if (page >= 0) {
        sheet.SetActivePage(page);
    }
    if (auto* button = root->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
    }
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
    help.ShowPage(5005);
    help.show();
    Save(help, directory, QStringLiteral("help-5005"));
    help.hide();
    about.hide();
    pattern.hide();
    sheet.hide();
    tools::SaveChartPictures(app, profile, clock, directory);
    return 0;
}
