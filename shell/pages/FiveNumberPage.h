// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/pages/LottoGamePage.h"

namespace vantorel {

// The "5 Number" page: the lotto game page of its game, with the fields of that game's queries.
class FiveNumberPage final : public LottoGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FiveNumberPage)

public:
    static constexpr LottoPageTraits kTraits = {
        .game = kFiveNumber,
        .queryLength = 14,
        .toLength = 8,
        .numberCaption = "Number",
        .partialCaption = "Partial Number",
        .powerBallField = false,
    };

    explicit FiveNumberPage(OperationsSheet& sheet) : LottoGamePage(sheet, kTraits) {}
};

} // namespace vantorel
