// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/pages/LottoGamePage.h"

namespace vantorel {

// The "Power Ball" page: the lotto game page of its game, with the fields of that game's queries.
class PowerballPage final : public LottoGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PowerballPage)

public:
    static constexpr LottoPageTraits kTraits = {
        .game = kPowerball,
        .queryLength = 17,
        .toLength = 8,
        .numberCaption = "Number (+ Powerball)",
        .partialCaption = "Partial (+ Powerball)",
        .powerBallField = true,
    };

    explicit PowerballPage(OperationsSheet& sheet) : LottoGamePage(sheet, kTraits) {}
};

} // namespace vantorel
