#pragma once

#include "shell/pages/LottoGamePage.h"

namespace vantorel {

// The "5 Number" page (page index 2).
class C5num final : public LottoGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(C5num)

public:
    static constexpr LottoPageTraits kTraits = {
        .game = kFiveNumber,
        .objectName = "fiveNumberPage",
        .queryLength = 14,
        .toLength = 8,
        .numberCaption = "Number",
        .partialCaption = "Partial Number",
        .powerBallField = false,
    };

    explicit C5num(CPsheet& sheet) : LottoGamePage(sheet, kTraits) {}
};

} // namespace vantorel
