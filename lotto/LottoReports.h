// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lotto/LottoDrawTable.h"
#include "platform/ReportLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class PowerballDrawTable;

// The writers of the result list for the 5 Number, 6 Number and Power Ball games. Each returns the lines
// it adds, in order. Dated lines show dates in display form (mm/dd/yy).

// A ball as a cell: its digits, then three spaces for one digit or one space for more, so that columns
// line up in the list's proportional font.
std::string BallCell(int ball);

// Even - Odd (kind 1) or High - Low (kind 2) of 5 and 6 Number as one line, from the share (0..1) of even
// or of high balls; nothing for another kind.
ReportLines ReportShare(float share, int kind);
// The same from the two counts (even and odd, or high and low); with no ball at all both shares are 0.
ReportLines ReportShareOfCounts(int firstCount, int secondCount, int kind);

// A Date result: an 8-character text is the date of a search that found nothing, anything else is the
// line itself.
ReportLines ReportText(std::string_view text);
// A Date Range result: one line per row, the balls sorted.
ReportLines ReportDateRange(const LottoDrawTable& table, const std::vector<int>& rows, Notices& notices);
// Overdue or Hottest of 5 and 6 Number.
ReportLines ReportSevenBalls(std::string_view text, PickMode mode);
// Totals: every drawing of the table, balls sorted. A stored date that cannot be shown ends the listing.
ReportLines ReportLottoTotals(const LottoDrawTable& table, Notices& notices);
// The reports that show stored dates leave the message of a date that cannot be shown in `notices`.
// Number (kNumberSearch) or Partial Number (kPartialNumberSearch) matches of 5 and 6 Number.
ReportLines ReportMatches(const LottoDrawTable& table, const MatchList& matchList, Operation operation,
                          Notices& notices);
// Partial Number matches of Power Ball.
ReportLines ReportMatches(const PowerballDrawTable& table, const MatchList& matchList, Notices& notices);

ReportLines ReportPowerballTotals(const PowerballDrawTable& table, Notices& notices);
// The two Overdue or Hottest lines, with the first seven numbers of each list.
ReportLines ReportSevenPerGroup(const std::vector<int>& firstGroup, const std::vector<int>& powerBalls,
                                PickMode mode);
// Date: `pbDrawRecord` (first-group balls, then the Power Ball; empty when none was found) and the date
// as typed.
ReportLines ReportPowerballDate(const std::vector<int>& pbDrawRecord, std::string_view typedDate);
ReportLines ReportPowerballRange(const PowerballDrawTable& table, const MatchList& matchList,
                                 Notices& notices);
ReportLines ReportPowerballNumber(const PowerballDrawTable& table, const MatchList& matchList,
                                  Notices& notices);

} // namespace vantorel
