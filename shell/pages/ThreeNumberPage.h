#pragma once

#include "shell/pages/DigitGamePage.h"

namespace vantorel {

// The "3 Number" page (page index 0).
class ThreeNumberPage final : public DigitGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ThreeNumberPage)

public:
    explicit ThreeNumberPage(OperationsSheet& sheet) : DigitGamePage(sheet, kThreeNumber) {
        setObjectName(QStringLiteral("threeNumberPage"));
    }
};

} // namespace vantorel
