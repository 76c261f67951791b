// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReportLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantorel {
namespace {

using Strings = std::vector<std::string>;

TEST(ReportLines, TextsSplitIntoTheirLines) {
    const struct {
        std::string text;
        Strings lines;
        std::string kept; // the text of the lines, each ended by "\n"
    } cases[] = {
        {"", {}, ""},
        {"one", {"one"}, "one\n"},
        {"one\n", {"one"}, "one\n"},
        {"one\n\nthree\nlast", {"one", "", "three", "last"}, "one\n\nthree\nlast\n"},
        {"\n\n", {"", ""}, "\n\n"},
        {"a\r\nb\n", {"a\r", "b"}, "a\r\nb\n"}, // only "\n" ends a line of a report
    };
    for (const auto& c : cases) {
        const ReportLines lines = ReportLines::FromText(c.text);
        EXPECT_EQ(lines.ToStrings(), c.lines) << c.text;
        EXPECT_EQ(lines.size(), c.lines.size()) << c.text;
        EXPECT_EQ(lines.text(), c.kept) << c.text;
    }
}

TEST(ReportLines, LinesWrittenInPlaceAndTakenBack) {
    ReportLines lines{"heading"};
    lines.OpenLine().append("first ").append("line");
    lines.EndLine();
    lines.OpenLine().append("cut short");
    // An open line is no line yet: neither counted nor in the text, and Add() and DropLine() discard it.
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines.text(), "heading\nfirst line\n");
    lines.DropLine();
    lines.OpenLine().append("dropped by Add");
    lines.Add("");
    lines.Add("last");
    EXPECT_EQ(lines.ToStrings(), (Strings{"heading", "first line", "", "last"}));
    EXPECT_EQ(lines.front(), "heading");
    EXPECT_EQ(lines.back(), "last");
    EXPECT_EQ(lines, (ReportLines{"heading", "first line", "", "last"}));
    EXPECT_NE(lines, (ReportLines{"heading", "first line\n", "last"}));
}

TEST(ReportLines, AppendAndAddLinesKeepEveryLineOfBoth) {
    ReportLines lines{"a", "bb"};
    lines.OpenLine() += "open";
    lines.Append(ReportLines{"ccc", "", "d"});
    lines.Append(ReportLines{});
    lines.OpenLine() += "open again";
    lines.AddLines("e\n\nf");
    EXPECT_EQ(lines.ToStrings(), (Strings{"a", "bb", "ccc", "", "d", "e", "", "f"}));
    EXPECT_EQ(lines.text(), "a\nbb\nccc\n\nd\ne\n\nf\n");
    Strings walked;
    for (const std::string_view line : lines) {
        walked.emplace_back(line);
    }
    EXPECT_EQ(walked, lines.ToStrings());
}

} // namespace
} // namespace vantorel
