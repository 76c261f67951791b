#include "shell/HandOver.h"

namespace vantorel {

void HandOver::SelectOperation(int op) {
    for (int i = 0; i < kOperationCount; ++i) {
        chosenOperation[static_cast<std::size_t>(i)] = i == op ? 1 : 0;
    }
}

int HandOver::HighestChosenOperation() const {
    for (int i = kOperationCount - 1; i >= 0; --i) {
        if (chosenOperation[static_cast<std::size_t>(i)] != 0) {
            return i;
        }
    }
    return -1;
}

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
