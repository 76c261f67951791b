// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/HistoryAnalysis.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace vantorel {

// "Repair Datafile Errors": lists the drawings that the analysis named, one check box each (all ticked at
// first), and gives back the ones still ticked when "Remove Chosen" is pressed. The removal itself, with
// its confirmation, is the caller's.
class RepairDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RepairDialog)

public:
    RepairDialog(std::vector<NamedError> named, QWidget* parent = nullptr);

    // The errors whose boxes are ticked, in list order.
    std::vector<NamedError> Chosen() const;

private:
    std::vector<NamedError> named_;
    QListWidget* list_;
};

} // namespace vantorel
