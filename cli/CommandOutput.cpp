// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandOutput.h"

#include "cli/Commands.h"
#include "digit/DigitGameTables.h"
#include "digit/DigitReports.h"
#include "lotto/LottoGameTables.h"
#include "lotto/LottoOperations.h"
#include "platform/GameCatalogue.h"
#include "platform/Operations.h"
#include "store/CalendarDates.h"
#include "store/HistoryAnalysis.h"

#include <charconv>
#include <ostream>

namespace vantorel {

namespace {

// A stored date (yy/mm/dd) as a calendar date, the year through the century window; a date that is not a
// plausible calendar date stays the text it is.
Cell DateCell(std::string_view storedDate) {
    if (storedDate.empty()) {
        return {};
    }
    if (DateHasError(storedDate)) {
        return Cell(storedDate);
    }
    int year = 0;
    int month = 0;
    int day = 0;
    SplitDate(storedDate, year, month, day);
    return Cell(IsoDate{CenturyWindowYear(year), month, day});
}

// The whole numbers written in a text, in order (the digits of each run of digits).
std::vector<int> NumbersOf(std::string_view text) {
    std::vector<int> numbers;
    const auto isDigit = [](char c) {
        return c >= '0' && c <= '9';
    };
    for (std::size_t at = 0; at < text.size();) {
        if (!isDigit(text[at])) {
            ++at;
            continue;
        }
        int number = 0;
        const auto [last, error] = std::from_chars(text.data() + at, text.data() + text.size(), number);
        const auto end = static_cast<std::size_t>(last - text.data());
        if (error == std::errc()) {
            numbers.push_back(number);
        }
        at = std::max(end, at + 1);
        while (at < text.size() && isDigit(text[at])) {
            ++at;
        }
    }
    return numbers;
}

std::string_view OperationWord(Operation operation) {
    return EntryOf(operation).cliWord;
}

std::string_view CommandWord(CliCommand command) {
    switch (command) {
    case CliCommand::Run:
        return "run";
    case CliCommand::Compare:
        return "compare";
    case CliCommand::Pattern:
        return "pattern";
    case CliCommand::Analyze:
        return "analyze";
    case CliCommand::New:
        return "new";
    case CliCommand::Where:
        return "where";
    case CliCommand::Stats:
        return "stats";
    case CliCommand::Backtest:
        return "backtest";
    case CliCommand::Tickets:
        return "tickets";
    default:
        return "";
    }
}

void AddCounts(ResultDocument& document, std::string_view firstKind, int first, std::string_view secondKind,
               int second) {
    ResultTable& table = document.AddTable("counts", {"kind", "count"});
    table.AddRow({firstKind, first});
    table.AddRow({secondKind, second});
}

void AddRankedNumbers(ResultDocument& document, std::string_view group, const std::vector<int>& numbers,
                      ResultTable* table = nullptr) {
    if (table == nullptr) {
        table = &document.AddTable("balls", {"group", "rank", "ball"});
    }
    int rank = 0;
    for (const int number : numbers) {
        table->AddRow({group, ++rank, number});
    }
}

// The drawings of the chosen lotto history at `rows`: date, balls in file order, and the Power Ball.
void AddLottoDrawings(ResultDocument& document, const LottoGameTables& tables, bool dated,
                      const std::vector<int>& rows) {
    // Power Ball drawings are as wide as the PBM in force when the history was read: the first drawing
    // tells.
    const bool powerball = tables.gameType() == kPowerball;
    const std::optional<LottoGameTables::StoredDrawing> first = tables.DrawingAt(dated, 0);
    constexpr int kUsualFirstGroup = 5;
    const int firstGroup = first
                               ? static_cast<int>(first->balls.size())
                               : (powerball ? kUsualFirstGroup : GameOf(tables.gameType()).numbersPerDrawing);
    std::vector<std::string> columns = {"date"};
    for (int ball = 1; ball <= firstGroup; ++ball) {
        columns.push_back("ball" + std::to_string(ball));
    }
    if (powerball) {
        columns.emplace_back("powerball");
    }
    ResultTable& table = document.AddTable("drawings", std::move(columns));
    for (const int row : rows) {
        const std::optional<LottoGameTables::StoredDrawing> drawing = tables.DrawingAt(dated, row);
        if (!drawing) {
            continue;
        }
        CellRow cells = {DateCell(drawing->date)};
        for (std::size_t ball = 0;
             ball < drawing->balls.size() && ball < static_cast<std::size_t>(firstGroup); ++ball) {
            cells.emplace_back(drawing->balls[ball]);
        }
        if (powerball) {
            cells.resize(static_cast<std::size_t>(firstGroup) + 1);
            cells.emplace_back(drawing->powerBall.value_or(0));
        }
        table.AddRow(std::move(cells));
    }
}

std::vector<int> EveryRow(int count) {
    std::vector<int> rows(static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        rows[row] = static_cast<int>(row);
    }
    return rows;
}

// The rows of the dated history drawn on the typed date (mm/dd/yy).
std::vector<int> RowsOnDate(const LottoGameTables& tables, std::string_view typedDate) {
    const Outcome<std::string> stored = ToStoredDate(typedDate);
    std::vector<int> rows;
    if (stored.refused()) {
        return rows;
    }
    const int count = tables.Count(true);
    for (int row = 0; row < count; ++row) {
        const auto drawing = tables.DrawingAt(true, row);
        if (drawing && drawing->date == *stored) {
            rows.push_back(row);
        }
    }
    return rows;
}

} // namespace

MessageAnswer MessageRecorder::Show(std::string_view text, MessageIcon icon, MessageButtons buttons) {
    texts_.emplace_back(text);
    MessageSink* const next = installed_.previous();
    return next != nullptr ? next->Show(text, icon, buttons) : CautiousAnswer(buttons);
}

ResultDocument StartDocument(const CommandLine& line) {
    ResultDocument document;
    document.fields.emplace_back("command", CommandWord(line.command));
    if (line.gameType >= 0) {
        document.fields.emplace_back("game", GameOf(line.gameType).cliWord);
    }
    if (line.command == CliCommand::Run) {
        document.fields.emplace_back("operation", OperationWord(line.operation));
    }
    if (line.command != CliCommand::Analyze) {
        document.fields.emplace_back("history", line.dated ? "dated" : "undated");
    }
    return document;
}

void PrintResult(const CommandLine& line, CliContext& context, ResultDocument document,
                 const ReportLines& lines) {
    if (line.format == OutputFormat::Text) {
        PrintLines(context.out, lines);
        return;
    }
    std::string written;
    if (line.format == OutputFormat::Csv) {
        ResultTable lineTable{"lines", {"line"}, {}};
        for (const std::string_view text : lines) {
            lineTable.AddRow({text});
        }
        written = CsvOf(document.tables.empty() ? lineTable : document.tables.front());
    } else {
        document.lines = lines.ToStrings();
        if (context.messages != nullptr) {
            document.messages = *context.messages;
        }
        written = JsonOf(document);
    }
    context.out.write(written.data(), static_cast<std::streamsize>(written.size()));
}

void AddDigitTables(ResultDocument& document, const CommandLine& line, const DigitGameTables& tables,
                    const DigitOperationResult& result) {
    const int game = line.gameType;
    switch (line.operation) {
    case kDistribution: {
        ResultTable& table = document.AddTable("counts", {"chart", "index", "count"});
        const auto& deciles = line.dated ? result.decilesDated : result.decilesUndated;
        for (std::size_t index = 0; index < deciles.size(); ++index) {
            table.AddRow({"bucket", index, deciles[index]});
        }
        for (std::size_t index = 0; index < result.digitCounts.size(); ++index) {
            table.AddRow({"digit", index, result.digitCounts[index]});
        }
        break;
    }
    case kEvenOdd:
        AddCounts(document, "even", result.firstCount, "odd", result.secondCount);
        break;
    case kHighLow:
        AddCounts(document, "high", result.firstCount, "low", result.secondCount);
        break;
    case kTotals: {
        ResultTable& table = document.AddTable("totals", {"number", "count"});
        for (std::size_t number = result.totals.size(); number-- > 0;) {
            if (result.totals[number] != 0) {
                table.AddRow({PaddedNumber(game, static_cast<int>(number)), result.totals[number]});
            }
        }
        break;
    }
    case kOverdue:
    case kHottest: {
        ResultTable& table = document.AddTable("numbers", {"rank", "number"});
        if (result.resultText != kRestrictedPickError) {
            int rank = 0;
            for (const int number : NumbersOf(result.resultText)) {
                table.AddRow({++rank, PaddedNumber(game, number)});
            }
        }
        break;
    }
    case kRandom:
    case kBestGuess:
        document.AddTable("picks", {"number"}).AddRow({PaddedNumber(game, result.pickedNumber)});
        break;
    default: {
        // The searches: the drawings found, oldest first (Date and Date Range search the dated history).
        const bool dated = line.dated || EntryOf(line.operation).datedOnly;
        const DigitDrawTable& chosen = tables.Chosen(dated);
        ResultTable& table = document.AddTable("drawings", {"date", "number"});
        for (const int row : result.matchList) {
            if (row < 0 || row >= chosen.count()) {
                continue;
            }
            const auto index = static_cast<std::size_t>(row);
            const std::string_view date =
                index < chosen.dates.size() ? std::string_view(chosen.dates[index]) : std::string_view();
            table.AddRow({DateCell(date), PaddedNumber(game, chosen.numbers[index])});
        }
        break;
    }
    }
}

void AddLottoTables(ResultDocument& document, const CommandLine& line, const LottoGameTables& tables,
                    const LottoResult& result, const LottoChartShown& chart) {
    const ChartPicks* const picks = chart.picks;
    const bool powerball = line.gameType == kPowerball;
    switch (line.operation) {
    case kDistribution: {
        // Every ball the chart shows, from 1 to the group's maximum; a ball no tally holds was drawn 0 times.
        const auto addGroup = [](ResultTable& table, std::string_view group, const std::vector<int>& counts,
                                 int highest) {
            for (int ball = 1; ball <= highest; ++ball) {
                const auto slot = static_cast<std::size_t>(ball);
                table.AddRow({group, ball, slot < counts.size() ? counts[slot] : 0});
            }
        };
        ResultTable& table = document.AddTable("counts", {"group", "ball", "count"});
        addGroup(table, "ball", result.ballCounts, chart.maximum);
        addGroup(table, "powerball", result.powerBallCounts, chart.powerMaximum);
        break;
    }
    case kEvenOdd:
    case kHighLow:
        if (!powerball) {
            const bool evenOdd = line.operation == kEvenOdd;
            AddCounts(document, evenOdd ? "even" : "high", result.firstCount, evenOdd ? "odd" : "low",
                      result.secondCount);
        }
        break;
    case kTotals:
        AddLottoDrawings(document, tables, line.dated, EveryRow(tables.Count(line.dated)));
        break;
    case kOverdue:
    case kHottest:
        if (powerball) {
            // The list shows seven of each group.
            static constexpr std::size_t kShown = 7;
            const auto seven = [](const std::vector<int>& list) {
                return std::vector<int>(
                    list.begin(), list.begin() + static_cast<std::ptrdiff_t>(std::min(list.size(), kShown)));
            };
            ResultTable& table = document.AddTable("balls", {"group", "rank", "ball"});
            AddRankedNumbers(document, "ball", seven(result.firstGroupList), &table);
            AddRankedNumbers(document, "powerball", seven(result.powerBallList), &table);
        } else {
            AddRankedNumbers(document, "ball", NumbersOf(result.resultText));
        }
        break;
    case kRandom:
    case kBestGuess: {
        document.fields.emplace_back("insufficient", picks != nullptr && picks->insufficient);
        ResultTable& table = document.AddTable("picks", {"group", "ball"});
        if (picks != nullptr) {
            for (std::size_t i = 0; i < picks->picks.size(); ++i) {
                const bool powerPick = powerball && i + 1 == picks->picks.size();
                table.AddRow({powerPick ? "powerball" : "ball", picks->picks[i]});
            }
        }
        break;
    }
    case kDateSearch:
        AddLottoDrawings(document, tables, true,
                         result.refused ? std::vector<int>() : RowsOnDate(tables, line.input));
        break;
    default:
        AddLottoDrawings(document, tables, line.dated || EntryOf(line.operation).datedOnly,
                         result.refused ? std::vector<int>() : result.matchList);
        break;
    }
}

void AddAnalysisTables(ResultDocument& document, const CheckTable& checks) {
    ResultTable& table =
        document.AddTable("sections", {"section", "game", "history", "bad_characters", "out_of_range",
                                       "count_mismatch", "date_error", "illegal_section", "errors"});
    for (const SectionCheck& check : checks.records) {
        if (check.state == kIllegalSection) {
            table.AddRow({Cell(), Cell(), Cell(), Cell(), Cell(), Cell(), Cell(), check.badCharacters, true});
            continue;
        }
        if (check.state < 0) {
            continue;
        }
        const bool bad = check.badCharacters == kFlagSet;
        const bool range = check.outOfRange == kFlagSet;
        const bool count = check.countMismatch == kFlagSet;
        const bool date = check.dateError == kFlagSet;
        table.AddRow({check.state, GameOf(check.state / 2).cliWord,
                      check.state % 2 == 1 ? "dated" : "undated", bad, range, count, date, Cell(),
                      bad || range || count || date});
    }
    // Every error by its drawing: the file's line, the drawing (1 = oldest; none for the line's count) and
    // what is wrong, as the text report names them.
    ResultTable& named = document.AddTable(
        "named_errors", {"line", "section", "game", "history", "in_use", "drawing", "problem", "text"});
    for (const NamedError& error : checks.named) {
        named.AddRow({error.line, error.section, GameOf(error.section / 2).cliWord,
                      error.section % 2 == 1 ? "dated" : "undated", error.inUse,
                      error.position > 0 ? Cell(error.position) : Cell(), error.problem,
                      NamedErrorLine(error)});
    }
}

} // namespace vantorel
