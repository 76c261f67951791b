#pragma once

#include "shell/pages/LottoGamePage.h"

namespace vantorel {

// The "6 Number" page (page index 3).
class SixNumberPage final : public LottoGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SixNumberPage)

public:
    static constexpr LottoPageTraits kTraits = {
        .game = kSixNumber,
        .objectName = "sixNumberPage",
        .queryLength = 17,
        .toLength = 0, // the "To" field takes any length
        .numberCaption = "Number",
        .partialCaption = "Partial Number",
        .powerBallField = false,
    };

    explicit SixNumberPage(OperationsSheet& sheet) : LottoGamePage(sheet, kTraits) {}
};

} // namespace vantorel
