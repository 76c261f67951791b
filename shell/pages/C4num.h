#pragma once

#include "shell/pages/DigitGamePage.h"

namespace vantorel {

// The "4 Number" page (page index 1).
class C4num final : public DigitGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(C4num)

public:
    explicit C4num(CPsheet& sheet) : DigitGamePage(sheet, kFourNumber) {
        setObjectName(QStringLiteral("fourNumberPage"));
    }
};

} // namespace vantorel
