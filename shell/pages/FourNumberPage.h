#pragma once

#include "shell/pages/DigitGamePage.h"

namespace vantorel {

// The "4 Number" page (page index 1).
class FourNumberPage final : public DigitGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FourNumberPage)

public:
    explicit FourNumberPage(OperationsSheet& sheet) : DigitGamePage(sheet, kFourNumber) {
        setObjectName(QStringLiteral("fourNumberPage"));
    }
};

} // namespace vantorel
