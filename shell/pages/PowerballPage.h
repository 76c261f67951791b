#pragma once

#include "shell/pages/LottoGamePage.h"

namespace vantorel {

// The "Power Ball" page (page index 4).
class PowerballPage final : public LottoGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PowerballPage)

public:
    static constexpr LottoPageTraits kTraits = {
        .game = kPowerball,
        .objectName = "powerballPage",
        .queryLength = 17,
        .toLength = 8,
        .numberCaption = "Number (+ Powerball)",
        .partialCaption = "Partial (+ Powerball)",
        .powerBallField = true,
    };

    explicit PowerballPage(OperationsSheet& sheet) : LottoGamePage(sheet, kTraits) {}
};

} // namespace vantorel
