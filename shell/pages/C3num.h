#pragma once

#include "shell/pages/DigitGamePage.h"

namespace vantorel {

// The "3 Number" page (page index 0).
class C3num final : public DigitGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(C3num)

public:
    explicit C3num(CPsheet& sheet) : DigitGamePage(sheet, kThreeNumber) {
        setObjectName(QStringLiteral("threeNumberPage"));
    }
};

} // namespace vantorel
