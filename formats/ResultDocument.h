// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vantorel {

// A result as tables, for scripts and spreadsheets: the command line writes one document per command
// and the desktop program's export writes the result log through the same two writers.
//
//   ResultDocument document;
//   document.fields = {{"game", "3"}, {"operation", "hottest"}, {"history", "dated"}};
//   ResultTable& table = document.AddTable("numbers", {"rank", "number", "count"});
//   table.AddRow({1, "123", 14});
//   std::string csv = CsvOf(table);        // RFC 4180: a header row, CR LF line ends
//   std::string json = JsonOf(document);   // one JSON object, "messages" always present

// A calendar date, written as YYYY-MM-DD in both formats.
struct IsoDate {
    int year = 0;
    int month = 0;
    int day = 0;

    bool operator==(const IsoDate&) const = default;
};
std::string IsoDateText(const IsoDate& date);

// Whole numbers that belong together (the two numbers of a pair): an array in JSON, the numbers
// separated by blanks in CSV.
using WholeNumbers = std::vector<std::int64_t>;

// One cell: nothing (an empty field; null in JSON), a truth value, a whole or a decimal number, a text, a
// date or a list of whole numbers. Numbers stay numbers in JSON; a text that looks like a number stays a
// text (a 3 Number "007").
class Cell final {
public:
    using Value =
        std::variant<std::monostate, bool, std::int64_t, double, std::string, IsoDate, WholeNumbers>;

    Cell() = default;
    Cell(bool value) : value_(value) {}
    template <std::integral Whole>
    requires(!std::same_as<Whole, bool> && !std::same_as<Whole, char>) Cell(Whole value)
        : value_(static_cast<std::int64_t>(value)) {}
    Cell(double value) : value_(value) {}
    Cell(std::string value) : value_(std::move(value)) {}
    Cell(std::string_view value) : value_(std::string(value)) {}
    Cell(const char* value) : value_(std::string(value)) {}
    Cell(IsoDate value) : value_(value) {}
    Cell(WholeNumbers value) : value_(std::move(value)) {}

    const Value& value() const { return value_; }
    bool empty() const { return std::holds_alternative<std::monostate>(value_); }
    // The cell as a CSV field shows it before quoting: numbers in their shortest exact form, dates as
    // YYYY-MM-DD, nothing as "".
    std::string Text() const;

    bool operator==(const Cell&) const = default;

private:
    Value value_;
};

using CellRow = std::vector<Cell>;

// A table with named columns; every row has exactly one cell per column.
struct ResultTable {
    std::string name; // the JSON member that holds the rows; the title of a CSV section
    std::vector<std::string> columns;
    std::vector<CellRow> rows;
    // A record of one row (a summary such as a mean and its spread): written in JSON as that row's object
    // rather than as an array of one object.
    bool single = false;

    // Adds a row; a shorter row is filled with empty cells, a longer one is refused with
    // std::invalid_argument (a table must stay rectangular).
    void AddRow(CellRow row);
};

// What one command answered: the facts of the run (game, operation, history, ...), its tables, the lines
// its text shows, and the messages it showed on the way.
struct ResultDocument {
    std::vector<std::pair<std::string, Cell>> fields;
    std::vector<ResultTable> tables;
    std::vector<std::string> lines; // written as "lines" (an array of texts) when there are any
    std::vector<std::string> messages;

    ResultTable& AddTable(std::string name, std::vector<std::string> columns);
};

// The formats a command writes its result in; "text" is the result list's lines.
enum class OutputFormat { Text, Csv, Json };
std::optional<OutputFormat> OutputFormatOfWord(std::string_view word);

// RFC 4180 CSV of one table: the header row, then one record per row, every record with as many fields as
// there are columns, each record ended by CR LF. Fields holding a comma, a double quote, CR or LF are
// quoted, their double quotes doubled.
std::string CsvOf(const ResultTable& table);
// Several tables in one file, one section each, in order: a record holding the table's name, the table as
// CsvOf writes it, and an empty line between sections.
std::string CsvOfSections(const std::vector<ResultTable>& tables);
// The document as one JSON object: its fields in order, then each table as a member named after it holding
// an array of objects (column name: cell), then "lines" when there are any, then "messages", an array of
// texts. Texts that are not valid
// UTF-8 have their bad bytes replaced by U+FFFD; a decimal that is not finite is written as null.
// Indented by two spaces and ended by a line end.
std::string JsonOf(const ResultDocument& document);

} // namespace vantorel
