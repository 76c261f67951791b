// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages against the program: the statements they mark (menu entries, keys, files and folders,
// setting ranges, typed drawings and pick-file lines) must name what the program has and accept.

#include "tests/shell/SheetTestSupport.h"

#include "digit/DigitGameTables.h"
#include "lotto/LottoGameTables.h"
#include "platform/MessageBox.h"
#include "settings/FolderProfileStore.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "store/HistoryFile.h"
#include "store/ManualEntry.h"
#include "tickets/TicketsFile.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <map>

namespace vantorel::test {
namespace {

constexpr std::array<int, 10> kHelpContexts = {5000, 5005, 5006, 5007, 5008, 5009, 5010, 5011, 5012, 5030};

std::string HelpPage(int context) {
    EnsureHelpResources();
    QFile page(QLatin1Char(':') + HelpPageUrl(context).path());
    EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << context;
    return page.readAll().toStdString();
}

// A statement marked in a page: its attributes and its text (entities of < and > resolved).
struct Marked {
    int page;
    std::map<std::string, std::string> attributes;
    std::string text;
};

// Every element `tag` of class `className` on every page.
std::vector<Marked> MarkedStatements(const char* tag, const char* className) {
    const QRegularExpression element(QStringLiteral("<%1 class=\"%2\"([^>]*)>(.*?)</%1>")
                                         .arg(QString::fromLatin1(tag), QString::fromLatin1(className)),
                                     QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression attribute(QStringLiteral("([a-z-]+)=\"([^\"]*)\""));
    std::vector<Marked> found;
    for (const int context : kHelpContexts) {
        const QString page = QString::fromStdString(HelpPage(context));
        for (auto match = element.globalMatch(page); match.hasNext();) {
            const QRegularExpressionMatch next = match.next();
            Marked marked{context, {}, {}};
            for (auto each = attribute.globalMatch(next.captured(1)); each.hasNext();) {
                const QRegularExpressionMatch pair = each.next();
                marked.attributes[pair.captured(1).toStdString()] = pair.captured(2).toStdString();
            }
            QString text = next.captured(2).simplified();
            text.replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                .replace(QStringLiteral("&lt;"), QStringLiteral("<"));
            marked.text = text.toStdString();
            found.push_back(std::move(marked));
        }
    }
    return found;
}

// The first group of every match of `pattern` on every page.
std::vector<std::string> FirstCaptures(const QString& pattern) {
    const QRegularExpression expression(pattern);
    std::vector<std::string> captures;
    for (const int context : kHelpContexts) {
        for (auto match = expression.globalMatch(QString::fromStdString(HelpPage(context)));
             match.hasNext();) {
            captures.push_back(match.next().captured(1).toStdString());
        }
    }
    return captures;
}

// A comparison's report, or the message of its refusal.
std::string TextOf(const Outcome<std::string>& compared) {
    return compared.refused() ? compared.refusal().text : *compared;
}

int GameOf(const std::string& name) {
    return name == "pb" ? kPowerball : std::stoi(name) - 3;
}

class HelpStatementsTest : public SheetTest {};

// "File > Print Chart..." and "Ctrl+P" name entries and keys of the main window.
TEST_F(HelpStatementsTest, MenuEntriesAndKeysAreThoseOfTheMainWindow) {
    const MainWindow window(handOver, results, services);
    std::set<std::string> entries;
    std::set<std::string> keys = {"F1"}; // the sheet's Help key too
    for (const QAction* menu : window.menuBar()->actions()) {
        for (const QAction* item : menu->menu()->actions()) {
            QString entry = menu->text() + QStringLiteral(" > ") + item->text();
            entries.insert(entry.remove(QLatin1Char('&')).toStdString());
        }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            keys.insert(action->shortcut().toString(QKeySequence::PortableText).toStdString());
        }
    }
    const std::vector<Marked> menus = MarkedStatements("span", "menu");
    EXPECT_GE(menus.size(), 6U);
    for (const Marked& menu : menus) {
        EXPECT_EQ(entries.count(menu.text), 1U) << menu.page << ": no menu entry " << menu.text;
    }
    const std::vector<std::string> named = FirstCaptures(QStringLiteral("<kbd>(.*?)</kbd>"));
    EXPECT_GE(named.size(), 3U);
    for (const std::string& key : named) {
        EXPECT_EQ(keys.count(key), 1U) << "no key " << key;
    }
}

// Files and folders are the ones the program uses.
TEST_F(HelpStatementsTest, FilesAndFoldersAreTheProgramsOwn) {
    const std::string configFolder = "~/.config/" + std::string(kProfileOrganization) + "/";
    const std::set<std::string> files = {
        std::string(kHistoryFileName),       std::string(kBackupFileName),
        std::string(kLockFileName),          std::string(kWorkFilePrefix),
        std::string(kTicketsFileName),       configFolder + std::string(kProfileApplication) + ".conf",
        std::string(kFolderSettingsFileName)};
    const std::vector<Marked> named = MarkedStatements("code", "file");
    EXPECT_GE(named.size(), 5U);
    for (const Marked& file : named) {
        EXPECT_EQ(files.count(file.text), 1U) << file.page << ": no file " << file.text;
    }
    for (const Marked& folder : MarkedStatements("code", "folder")) {
        EXPECT_EQ(folder.text, "~/.local/share/" + std::string(kProfileOrganization) + "/" +
                                   std::string(kProfileApplication));
    }
}

// The setting ranges and first-run values are the ones the program checks and writes.
TEST_F(HelpStatementsTest, SettingRangesAndFirstRunValuesAreTheProgramsOwn) {
    const std::vector<Marked> ranges = MarkedStatements("span", "range");
    const std::vector<Marked> firstRun = MarkedStatements("span", "first-run");
    EXPECT_EQ(ranges.size(), kGameSettingCount);
    EXPECT_EQ(firstRun.size(), kGameSettingCount);
    for (const Marked& range : ranges) {
        const GameSettingRule& rule = RuleOf(*FindGameSettingKey(range.attributes.at("data-key")));
        EXPECT_EQ(range.text, std::to_string(rule.lowest) + " to " + std::to_string(rule.highest))
            << rule.key;
    }
    for (const Marked& value : firstRun) {
        const GameSettingKey key = *FindGameSettingKey(value.attributes.at("data-key"));
        const std::string expected = key == GameSettingKey::PowerballBalls
                                         ? std::string(RuleOf(key).firstRunValue)
                                         : "1 to " + std::string(RuleOf(key).firstRunValue);
        EXPECT_EQ(value.text, expected) << RuleOf(key).key;
    }
}

// A drawing typed as the help shows it is appended to an empty history.
TEST_F(HelpStatementsTest, TypedDrawingsAreAccepted) {
    const std::vector<Marked> drawings = MarkedStatements("code", "drawing");
    EXPECT_GE(drawings.size(), 4U);
    const GameSettings settings = *ReadGameSettings(profile, GameSettingKeys::All());
    for (const Marked& drawing : drawings) {
        SCOPED_TRACE(drawing.text);
        WriteHistory("0 0\r\n1 0\r\n2 0\r\n3 0\r\n4 0\r\n5 0\r\n6 0\r\n7 0\r\n8 0\r\n9 0\r\n");
        EXPECT_TRUE(ShowOutcome(AppendEntry(drawing.text, GameOf(drawing.attributes.at("data-game")),
                                            drawing.attributes.at("data-dated") == "1", settings)));
        EXPECT_TRUE(messages.texts().empty());
    }
}

// A pick written as the help shows it matches the drawing it names (the Power Ball last).
TEST_F(HelpStatementsTest, PickFileLinesMatchTheirDrawing) {
    const std::vector<Marked> picks = MarkedStatements("code", "pick");
    EXPECT_GE(picks.size(), 3U);
    constexpr std::string_view kWinner = "We MAY have a WINNER here !\n";
    for (const Marked& pick : picks) {
        SCOPED_TRACE(pick.text);
        const int game = GameOf(pick.attributes.at("data-game"));
        WriteFile("picks.txt", pick.text + "\n");
        WriteHistory(std::to_string(SectionNumber(game, false)) + " 1 " + pick.text + "\r\n");
        std::string report;
        if (IsDigitGame(game)) {
            DigitGameTables tables(game);
            tables.Load();
            report = TextOf(tables.ComparePicks(false, "picks.txt"));
        } else {
            LottoGameTables tables(game);
            tables.Load(*ReadGameSettings(profile, GameSettingKeys::All()));
            report = TextOf(tables.ComparePicks(false, "picks.txt"));
        }
        EXPECT_EQ(report.substr(0, kWinner.size()), kWinner) << report;
    }
}

// Every link leads to a page, and every link to a place on a page to a place that is there.
TEST(HelpLinksTest, EveryLinkLeadsSomewhere) {
    const QRegularExpression link(QStringLiteral("href=\"(\\d{4})\\.html(#[a-z]+)?\""));
    const QRegularExpression local(QStringLiteral("href=\"#([a-z]+)\""));
    for (const int context : kHelpContexts) {
        const QString page = QString::fromStdString(HelpPage(context));
        for (auto match = link.globalMatch(page); match.hasNext();) {
            const QRegularExpressionMatch next = match.next();
            const int target = next.captured(1).toInt();
            EXPECT_NE(std::find(kHelpContexts.begin(), kHelpContexts.end(), target), kHelpContexts.end())
                << context << " links to " << target;
            if (!next.captured(2).isEmpty()) {
                EXPECT_TRUE(QString::fromStdString(HelpPage(target))
                                .contains(QStringLiteral("name=\"%1\"").arg(next.captured(2).mid(1))));
            }
        }
        for (auto match = local.globalMatch(page); match.hasNext();) {
            const QString name = match.next().captured(1);
            EXPECT_TRUE(page.contains(QStringLiteral("name=\"%1\"").arg(name)))
                << context << " #" << name.toStdString();
        }
    }
}

} // namespace
} // namespace vantorel::test
