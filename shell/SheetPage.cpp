// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SheetPage.h"

#include "shell/OperationsSheet.h"
#include "store/TextLines.h"

namespace vantorel {

SheetPage::SheetPage(OperationsSheet& sheet, int pageIndex)
    : QWidget(&sheet), sheet_(sheet), pageIndex_(pageIndex) {}

HandOver& SheetPage::handOver() const {
    return sheet_.handOver();
}

SheetResults& SheetPage::results() const {
    return sheet_.results();
}

ShellServices& SheetPage::services() const {
    return sheet_.services();
}

void SheetPage::SetModified(bool modified) {
    modified_ = modified;
    sheet_.UpdateApplyButton();
}

Outcome<std::string> ListedComparison(const Outcome<std::string>& compared) {
    if (!compared.refused()) {
        return compared;
    }
    Outcome<std::string> listed{std::string(kFileInputError)};
    listed.Precede(compared.notices());
    return listed;
}

void GamePage::SetInputsEnabled(bool enabled) {
    for (QWidget* field : inputFields()) {
        field->setEnabled(enabled);
    }
}

void GamePage::ActivateGamePage() {
    update();
    handOver().MarkListReturnPage(pageIndex());
    handOver().MarkSetupReturnPage(pageIndex());
    sheet().state().startPage = sheet().MarkActiveGame(game());
    if (handOver().setupChoicesSavedValid) {
        handOver().setupChoices = handOver().setupChoicesSaved;
    }
    sheet().EnableOk(false);
    SetModified(false);
}

void GamePage::ChooseOperation(Operation op) {
    sheet().SetChartPending(op == kBestGuess ? 1 : 0);
    if (IsChartOperation(op)) {
        sheet().ClearPagesModified();
        sheet().EnableOk(true);
    } else {
        sheet().EnableOk(false);
    }
}

void GamePage::ShowPlantedSeed(QWidget& seedNote) {
    SheetState& state = sheet().state();
    if (handOver().plantedSeed != 0) {
        state.plantedSeed = handOver().plantedSeed;
    }
    seedNote.setVisible(state.plantedSeed != 0);
}

} // namespace vantorel
