// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel-cli update, run in this process against a server on the loopback address that each test starts
// itself (no other address is used): the history and the kept validators after each update, the messages
// and the exit status.

#include "platform/GamePresets.h"
#include "platform/ProfileStore.h"
#include "store/HistoryFile.h"
#include "store/ResultsImport.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TestFiles.h"
#include "update/ResultsUpdate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

constexpr std::string_view kAborted = "\nNothing was changed.\n\nOPERATION ABORTED";

std::optional<std::string> FileIfAny(const char* name) {
    return std::filesystem::exists(name) ? std::optional<std::string>(ReadFile(name)) : std::nullopt;
}

class UpdateCommandTest : public ::testing::Test {
protected:
    UpdateCommandTest() {
        // The maximums that the 1997-2015 Power Ball drawings need.
        for (const auto& [key, value] :
             {std::pair{"5BC", "39"}, {"6BC", "59"}, {"PBC", "59"}, {"PBB", "42"}, {"PBM", "5"}}) {
            profile.WriteString("Settings", key, value);
        }
    }

    HttpReply Published(std::string etag = "\"1871\"", std::string lastModified = {}) const {
        HttpReply reply;
        reply.body = powerball;
        reply.etag = std::move(etag);
        reply.lastModified = std::move(lastModified);
        return reply;
    }

    CliOutcome Update(std::vector<std::string> arguments, const std::string& path = "/rows.csv") {
        arguments.insert(arguments.begin(), {"update", "pb", "--url", server.Url(path)});
        return CliRunner(profile).Run(arguments);
    }

    const std::string powerball = ReadFile(TestDataPath("shared/official/powerball-1997-2015.csv"));
    TempWorkingDir directory;
    MemoryProfileStore profile;
    LoopbackHttpServer server;
};

// The second update asks only whether the file changed, by the entity tag, the modification time or both
// that the first kept; without either, it fetches the whole file and finds nothing new. Either way the
// history stays byte for byte as the first update left it.
TEST_F(UpdateCommandTest, TheSecondUpdateOfAnUnchangedFileWritesNothing) {
    const std::string written =
        "Results Import Successful\n\nNew drawings written: 1871\nAlready in the history: 0";
    const struct {
        const char* what;
        HttpReply reply;
        Lines second;
    } cases[] = {
        {"entity tag", Published(), {std::string(kResultsSourceUnchanged)}},
        {"modification time",
         Published({}, "Sat, 03 Oct 2015 23:00:00 GMT"),
         {std::string(kResultsSourceUnchanged)}},
        {"neither",
         Published({}),
         {"No new drawings: VTRMAIN.DAT was not changed.\n\nNew drawings written: 0\nAlready in the history: "
          "1871"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempWorkingDir fresh;
        server.Serve("/rows.csv", c.reply);
        const CliOutcome first = Update({});
        EXPECT_EQ(first.status, 0);
        EXPECT_EQ(first.messages(), Lines{written});
        const std::string history = ReadFile("vtrmain.dat");
        EXPECT_EQ(SectionDrawingWords(history, 9).size(), 1871u * 7u);
        const std::optional<std::string> kept = FileIfAny("vtrupdate.dat");
        EXPECT_EQ(kept.has_value(), !c.reply.etag.empty() || !c.reply.lastModified.empty());

        const CliOutcome second = Update({});
        EXPECT_EQ(second.status, 0);
        EXPECT_EQ(second.messages(), c.second);
        EXPECT_EQ(ReadFile("vtrmain.dat"), history);
        EXPECT_EQ(FileIfAny("vtrupdate.dat"), kept);
        EXPECT_FALSE(WorkFilesLeftIn());
    }
}

// Validators are used only while the section is as the update that kept them left it, and only for the
// same address and column; a changed file is fetched and its new drawings written.
TEST_F(UpdateCommandTest, AChangedHistoryOrFileIsFetchedWhole) {
    server.Serve("/rows.csv", Published());
    ASSERT_EQ(Update({}).status, 0);
    const auto lastRequest = [this](const char* header) {
        const std::vector<ReceivedRequest> requests = server.Requests();
        const std::map<std::string, std::string>& headers = requests.back().headers;
        const auto found = headers.find(header);
        return found == headers.end() ? std::string("(none)") : found->second;
    };
    // Another game's new history leaves the Power Ball section as it was.
    WriteFile("numbers.txt", "09/26/20 123\n");
    ASSERT_EQ(CliRunner(profile).Run({"import", "3", "--dated", "numbers.txt"}).status, 0);
    EXPECT_EQ(Update({}).messages(), Lines{std::string(kResultsSourceUnchanged)});
    EXPECT_EQ(lastRequest("if-none-match"), "\"1871\"");

    // A drawing entered by hand: the kept validators no longer hold.
    ASSERT_EQ(CliRunner(profile).Run({"append", "pb", "--dated", "10/05/15 1 2 3 4 5 6"}).status, 0);
    EXPECT_EQ(
        Update({}).messages(),
        Lines{"No new drawings: VTRMAIN.DAT was not changed.\n\nNew drawings written: 0\nAlready in the "
              "history: 1871"});
    EXPECT_EQ(lastRequest("if-none-match"), "(none)");
    // The same file named with a column is another source.
    EXPECT_EQ(Update({"--column", "white_balls"}).status, 0);
    EXPECT_EQ(lastRequest("if-none-match"), "(none)");

    // The file gains this week's drawing and a new tag.
    const std::string history = ReadFile("vtrmain.dat");
    HttpReply newer = Published("\"1872\"");
    newer.body += "10/07/2015,1|2|3|4|5,6,2X\n";
    server.Serve("/rows.csv", newer);
    const CliOutcome update = Update({});
    EXPECT_EQ(lastRequest("if-none-match"), "\"1871\"");
    EXPECT_EQ(update.messages(),
              Lines{"Results Import Successful\n\nNew drawings written: 1\nAlready in the history: 1871"});
    const std::vector<std::string> words = SectionDrawingWords(ReadFile("vtrmain.dat"), 9);
    ASSERT_EQ(words.size(), 1873u * 7u);
    EXPECT_EQ(words[1872 * 7], "15/10/07");
    EXPECT_EQ(Update({}).messages(), Lines{std::string(kResultsSourceUnchanged)});
}

// A failed fetch writes nothing: not the history, not the validators; its one message says what failed.
// The update's own time and size limits reach the fetch; every other cause is the fetch's own.
TEST_F(UpdateCommandTest, AFailedFetchWritesNothingAndSaysWhatFailed) {
    server.Serve("/rows.csv", Published());
    ASSERT_EQ(Update({}).status, 0);
    const std::string history = ReadFile("vtrmain.dat");
    ASSERT_TRUE(std::filesystem::remove("vtrupdate.dat")); // so that every case fetches the whole file

    const auto reply = [](int status, std::string body, std::string type = "text/csv",
                          HttpReply::Manner manner = HttpReply::Manner::kAnswer) {
        HttpReply r;
        r.status = status;
        r.body = std::move(body);
        r.contentType = std::move(type);
        r.manner = manner;
        return r;
    };
    const struct {
        const char* what;
        HttpReply reply;
        std::vector<std::string> options;
        std::string cause;
    } cases[] = {
        {"404",
         reply(404, "gone", "text/plain"),
         {},
         "the server answered 404 (Not Found) instead of the file"},
        {"never answers",
         reply(200, powerball, "text/csv", HttpReply::Manner::kNeverAnswer),
         {"--timeout", "1"},
         "the file did not arrive within 1 second"},
        {"over the limit",
         reply(200, std::string((8 << 20) + 1, '1')),
         {},
         "the file is too large (more than 8388608 bytes)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server.Serve("/failing.csv", c.reply);
        std::vector<std::string> arguments = c.options;
        const CliOutcome update = Update(arguments, "/failing.csv");
        EXPECT_EQ(update.status, 1);
        EXPECT_EQ(update.messages(),
                  Lines{"The results file could not be fetched from\n" + server.Url("/failing.csv") + ":\n" +
                        c.cause + "." + std::string(kAborted)});
        EXPECT_EQ(ReadFile("vtrmain.dat"), history);
        EXPECT_FALSE(std::filesystem::exists("vtrupdate.dat"));
        EXPECT_FALSE(WorkFilesLeftIn());
    }
    // A file that arrives but breaks the import's rules keeps no validators either.
    server.Serve("/garbled.csv", reply(200, "date,white_balls,red_ball\n10/07/2015,1|2|3|4|5,2O\n"));
    const CliOutcome garbled = Update({}, "/garbled.csv");
    EXPECT_EQ(garbled.status, 1);
    EXPECT_EQ(garbled.messages(), Lines{"Line 2: \"2O\" is not a ball number." + std::string(kAborted)});
    EXPECT_EQ(ReadFile("vtrmain.dat"), history);
    EXPECT_FALSE(std::filesystem::exists("vtrupdate.dat"));
}

// With a preset in force the update leaves out the drawings of the game's earlier matrices, takes the
// preset's column, and names the source it knows; without one it says how to go on.
TEST_F(UpdateCommandTest, ThePresetInForceGivesTheEraTheColumnAndTheSource) {
    ASSERT_EQ(CliRunner(profile).Run("settings --preset powerball").status, 0);
    server.Serve("/rows.csv", Published());
    const CliOutcome earlier = Update({});
    EXPECT_EQ(earlier.status, 0);
    EXPECT_EQ(earlier.messages(),
              Lines{"No new drawings: VTRMAIN.DAT was not changed.\n\nNew drawings written: "
                    "0\nAlready in the history: 0\nDrawings before 10/07/2015 left out (an "
                    "earlier game): 1871"});
    EXPECT_FALSE(std::filesystem::exists("vtrmain.dat"));
    // Without the preset the unchanged file is fetched again, and gives the drawings it left out.
    ASSERT_EQ(CliRunner(profile).Run("settings PBC=59 PBB=42").status, 0);
    EXPECT_EQ(Update({}).messages(),
              Lines{"Results Import Successful\n\nNew drawings written: 1871\nAlready in the history: 0"});

    // New York's Numbers and Win 4 file, back to 1980; the preset names the evening drawing's column.
    ASSERT_EQ(CliRunner(profile).Run("settings --preset ny-numbers-eve").status, 0);
    HttpReply numbers;
    numbers.body = ReadFile(TestDataPath("results/ny-numbers-win4.csv"));
    server.Serve("/numbers.csv", numbers);
    const CliOutcome digits = CliRunner(profile).Run({"update", "3", "--url", server.Url("/numbers.csv")});
    EXPECT_EQ(digits.status, 0);
    EXPECT_EQ(digits.messages(),
              Lines{"Results Import Successful\n\nNew drawings written: 5\nAlready in the "
                    "history: 0\nDrawings before 1984 left out (years a history cannot hold): 4"});
    EXPECT_EQ(SectionDrawingWords(ReadFile("vtrmain.dat"), 1),
              (Lines{"84/01/01", "377", "84/01/02", "184", "25/09/27", "503", "25/09/28", "991", "25/09/29",
                     "82"}));

    const std::string noSource =
        "\nName the results file's address with\nvantorel-cli update pb --url URL\nor download the file and "
        "import it with\nvantorel-cli import pb --dated FILE --results";
    ASSERT_EQ(CliRunner(profile).Run("settings PBC=68").status, 0); // the preset no longer holds
    EXPECT_EQ(
        CliRunner(profile).Run("update pb").messages(),
        Lines{"There is no known source of results for the Power Ball game." + noSource +
              "\n\nThese presets name a source for it: powerball, mega-millions, cash4life.\nChoose one "
              "with vantorel-cli settings --preset NAME"});
    ASSERT_EQ(CliRunner(profile).Run("settings --preset lotto-america").status, 0);
    const CliOutcome unknown = CliRunner(profile).Run("update pb");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(
        unknown.messages(),
        Lines{"The preset lotto-america of the Power Ball game names no source of results." + noSource});
}

// The question whether to remove the oldest drawings is the import's, asked with no lock held: the cautious
// answer writes nothing and keeps nothing, --yes writes. A note for the next update that cannot be written
// is a warning after the summary; the drawings stay written.
TEST_F(UpdateCommandTest, TheImportsQuestionAndTheNoteThatCouldNotBeKept) {
    std::string section = "9 " + std::to_string(kPowerballCapacity);
    for (int drawing = 0; drawing < kPowerballCapacity; ++drawing) {
        const int year = 84 + drawing / (12 * 28);
        const int month = 1 + drawing / 28 % 12;
        const int day = 1 + drawing % 28;
        const auto two = [](int value) {
            return (value < 10 ? "0" : "") + std::to_string(value);
        };
        section += ' ' + two(year) + '/' + two(month) + '/' + two(day) + " 1 2 3 4 5 6";
    }
    WriteFile("vtrmain.dat", section + "\r\n");
    server.Serve("/rows.csv", Published());

    const CliOutcome declined = Update({});
    EXPECT_EQ(declined.status, 1);
    ASSERT_EQ(declined.shown.size(), 2u);
    EXPECT_EQ(declined.shown[0].text, RemoveOldestQuestion(kPowerballCapacity, 1871));
    EXPECT_EQ(declined.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(declined.shown[1].text, "Nothing was changed. Run again with --yes to remove them.");
    EXPECT_EQ(ReadFile("vtrmain.dat"), section + "\r\n");
    EXPECT_FALSE(std::filesystem::exists("vtrupdate.dat"));

    std::filesystem::create_directory("vtrupdate.dat");
    const CliOutcome written = Update({"--yes"});
    EXPECT_EQ(written.status, 0);
    ASSERT_EQ(written.shown.size(), 3u);
    EXPECT_EQ(written.shown[0].text, RemoveOldestQuestion(kPowerballCapacity, 1871));
    EXPECT_EQ(written.shown[1].text,
              "Results Import Successful\n\nNew drawings written: 1871\nAlready in the "
              "history: 0\nOldest drawings removed from the history: 1871");
    EXPECT_EQ(written.shown[1].icon, MessageIcon::Information);
    EXPECT_EQ(written.shown[2].text, ValidatorsNotKeptMessage(FileFault::kNotAFile));
    EXPECT_EQ(written.shown[2].icon, MessageIcon::Exclamation);
    EXPECT_EQ(SectionDrawingWords(ReadFile("vtrmain.dat"), 9).size(), std::size_t{kPowerballCapacity} * 7u);
    EXPECT_TRUE(std::filesystem::is_directory("vtrupdate.dat"));
}

} // namespace
} // namespace vantorel::test
