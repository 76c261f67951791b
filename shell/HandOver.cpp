// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/HandOver.h"

namespace vantorel {

int HandOver::ActiveGame() const {
    const int page = FirstMarked(activeGame);
    return page < kGamePageCount ? page : -1;
}

void HandOver::ChooseSetup(int choice) {
    setupChoices.Choose(choice);
    setupChoicesSaved.Choose(choice);
}

void HandOver::SaveSetupChoices() {
    setupChoicesSaved = setupChoices;
    setupChoicesSavedValid = true;
}

} // namespace vantorel
