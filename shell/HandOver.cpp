#include "shell/HandOver.h"

namespace vantorel {

void HandOver::SelectOperation(Operation op) {
    chosenOperation.fill(0);
    chosenOperation[static_cast<std::size_t>(op)] = 1;
}

std::optional<Operation> HandOver::HighestChosenOperation() const {
    for (int i = kOperationCount - 1; i >= 0; --i) {
        if (chosenOperation[static_cast<std::size_t>(i)] != 0) {
            return static_cast<Operation>(i);
        }
    }
    return std::nullopt;
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
