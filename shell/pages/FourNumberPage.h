// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/pages/DigitGamePage.h"

namespace vantorel {

// The "4 Number" page: the digit game page of the 4 Number game.
class FourNumberPage final : public DigitGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FourNumberPage)

public:
    explicit FourNumberPage(OperationsSheet& sheet) : DigitGamePage(sheet, kFourNumber) {}
};

} // namespace vantorel
