// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/pages/LottoGamePage.h"

namespace vantorel {

// The "6 Number" page: the lotto game page of its game, with the fields of that game's queries.
class SixNumberPage final : public LottoGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SixNumberPage)

public:
    static constexpr LottoPageTraits kTraits = {
        .game = kSixNumber,
        .queryLength = 17,
        .toLength = 0, // the "To" field takes any length
        .numberCaption = "Number",
        .partialCaption = "Partial Number",
        .powerBallField = false,
    };

    explicit SixNumberPage(OperationsSheet& sheet) : LottoGamePage(sheet, kTraits) {}
};

} // namespace vantorel
