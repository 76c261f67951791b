// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/pages/DigitGamePage.h"

namespace vantorel {

// The "3 Number" page: the digit game page of the 3 Number game.
class ThreeNumberPage final : public DigitGamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ThreeNumberPage)

public:
    explicit ThreeNumberPage(OperationsSheet& sheet) : DigitGamePage(sheet, kThreeNumber) {}
};

} // namespace vantorel
