// SPDX-License-Identifier: GPL-3.0-or-later
// "Update Results" offscreen against a server on the loopback address that each test starts itself: the
// drawings written, the messages, the tickets check and Cancel while the file arrives.
#include "tests/shell/SheetTestSupport.h"

#include "platform/GamePresets.h"
#include "shell/ResultsUpdateDialog.h"
#include "tests/support/LoopbackHttpServer.h"

#include <QComboBox>
#include <QProgressBar>

#include <cstdlib>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

constexpr std::string_view kResults = "Draw Date,Winning Numbers,Multiplier\n"
                                      "12/05/2026,01 02 03 04 05 26,2\n"
                                      "12/02/2026,03 11 17 21 24 07,2\n";

class ResultsUpdateDialogTest : public SheetTest {
protected:
    ResultsUpdateDialogTest() {
        ::setenv("no_proxy", "*", 1);
        ::setenv("NO_PROXY", "*", 1);
        // Today's Powerball, 5 of 69 + 1 of 26, set by hand: no preset, so no address either.
        profile.WriteString(kSettingsSection, "PBC", "69");
        profile.WriteString(kSettingsSection, "PBB", "26");
        HttpReply reply;
        reply.body = kResults;
        server.Serve("/rows.csv", reply);
    }

    QLineEdit* Field(const char* name) { return dialog.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QAbstractButton* Button(const char* name) {
        return dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
    std::string State() {
        return dialog.findChild<QLabel*>(QStringLiteral("stateLabel"))->text().toStdString();
    }

    LoopbackHttpServer server;
    ResultsUpdateDialog dialog{services, results.log(), kPowerball};
};

TEST_F(ResultsUpdateDialogTest, WritesTheNewDrawingsAndChecksThemAgainstTheTickets) {
    WriteFile("tickets.txt", "3 11 17 21 24 + 9\n");
    dialog.show();
    EXPECT_EQ(Field("addressEdit")->text(), QString()); // no preset in force
    Field("addressEdit")->setText(ToQString(server.Url("/rows.csv")));
    ClickButton(Button("updateButton"));
    const std::string check = "Your tickets won on 12/02/2026: line 1, 5 numbers, $1,000,000\n"
                              "Checked 1 ticket against 2 drawings: 2 plays\n";
    ASSERT_EQ(messages.texts().size(), 2U);
    EXPECT_EQ(messages.texts()[0],
              "Results Import Successful\n\nNew drawings written: 2\nAlready in the history: 0");
    EXPECT_EQ(messages.texts()[1].substr(0, check.size()), check);
    EXPECT_NE(ReadFile("vtrmain.dat").find("9 2 26/12/02 3 11 17 21 24 7 26/12/05 1 2 3 4 5 26"),
              std::string::npos);
    EXPECT_TRUE(dialog.historyChanged());
    EXPECT_EQ(State(), "The new drawings were written.");
    ASSERT_FALSE(results.log().records().empty());
    EXPECT_EQ(results.log().records().back().what, "My Tickets: the new drawings");

    // The same file again: nothing new, and no tickets check.
    messages.Clear();
    ClickButton(Button("updateButton"));
    EXPECT_EQ(messages.texts(),
              Lines{"No new drawings: VTRMAIN.DAT was not changed.\n\nNew drawings written: "
                    "0\nAlready in the history: 2"});
    EXPECT_EQ(State(), "No new drawings.");
}

// Cancel while the server keeps the file back: the window goes on serving events, the fetch stops and
// nothing is written; the dialog stays open for another try.
TEST_F(ResultsUpdateDialogTest, CancelStopsTheFetchWithNothingWritten) {
    HttpReply silent;
    silent.manner = HttpReply::Manner::kNeverAnswer;
    server.Serve("/silent.csv", silent);
    UseSampleHistory();
    const std::string before = ReadFile("vtrmain.dat");
    dialog.show();
    Field("addressEdit")->setText(ToQString(server.Url("/silent.csv")));
    bool sawWorking = false;
    QTimer::singleShot(300, &dialog, [this, &sawWorking] {
        sawWorking = dialog.working() && !Button("updateButton")->isEnabled() &&
                     dialog.findChild<QProgressBar*>(QStringLiteral("progressBar"))->isVisible() &&
                     Button("closeButton")->text() == QStringLiteral("Cancel");
        ClickButton(Button("closeButton"));
    });
    ClickButton(Button("updateButton"));
    EXPECT_TRUE(sawWorking);
    EXPECT_EQ(messages.texts(), Lines{});
    EXPECT_EQ(State(), "Cancelled: nothing was written.");
    EXPECT_EQ(ReadFile("vtrmain.dat"), before);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.historyChanged());
}

TEST_F(ResultsUpdateDialogTest, SaysWhatIsWrongBeforeFetching) {
    const struct {
        const char* what;
        std::string address;
        const char* key; // a setting made unusable; nullptr for none
        std::string message;
    } cases[] = {
        {"no address", "", nullptr,
         "There is no known source of results for the Power Ball game.\n\nType the address of the results "
         "file "
         "your lottery publishes under Address, choose a preset that names one on the Setup page, or "
         "download the file and import it with \"Results Import (UPDATE)\" on the Data File page."},
        {"bad setting", "http://127.0.0.1:9/rows.csv", "PBB", "The setting PBB"},
        {"not found", "/missing.csv", nullptr, "The results file could not be fetched"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.Clear();
        if (c.key != nullptr) {
            profile.WriteString(kSettingsSection, c.key, "many");
        }
        Field("addressEdit")
            ->setText(ToQString(c.address.starts_with("/") ? server.Url(c.address) : c.address));
        ClickButton(Button("updateButton"));
        ASSERT_EQ(messages.texts().size(), 1U);
        EXPECT_EQ(messages.texts()[0].substr(0, c.message.size()), c.message);
        EXPECT_FALSE(std::filesystem::exists("vtrmain.dat"));
        if (c.key != nullptr) {
            profile.WriteString(kSettingsSection, c.key, "26");
        }
    }
}

// The preset in force gives the address and the column of its source.
TEST_F(ResultsUpdateDialogTest, ThePresetInForceGivesTheSource) {
    ASSERT_TRUE(UseGamePreset(profile, *FindGamePreset("ny-numbers-eve")));
    dialog.ChooseGame(kThreeNumber);
    EXPECT_EQ(Field("addressEdit")->text().toStdString(), FindGamePreset("ny-numbers-eve")->sourceUrl);
    EXPECT_EQ(Field("columnEdit")->text().toStdString(), FindGamePreset("ny-numbers-eve")->sourceColumn);
}

} // namespace
} // namespace vantorel::test
