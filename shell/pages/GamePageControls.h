// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Operations.h"
#include "platform/SetupChoices.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vantorel {

// The controls that the digit and the lotto pages share, built the same way on all five.

// The twelve operation radios by their place on the page.
using OperationRadios = std::array<QRadioButton*, kOperationRadioCount>;

// The "Analyze", "Predict" and "Search" groups of four operation radios each, side by side, with the
// captions and object names of the operation table for the game's family. The radios join `group` with
// their place as id and are stored in `radios`; a click calls onClicked(operation).
QHBoxLayout* BuildOperationGroups(QWidget& page, QButtonGroup& group, OperationRadios& radios,
                                  GameFamily family, const std::function<void(Operation)>& onClicked);
// The operation of the checked radio; nothing when none is checked.
std::optional<Operation> CheckedOperation(const OperationRadios& radios, GameFamily family);
// Enables the radios by the histories that are loaded: every operation with the dated history, all but the
// dated-only searches with only the undated one, none without either.
void EnableOperationRadios(const OperationRadios& radios, GameFamily family, bool undatedLoaded,
                           bool datedLoaded);
// Enables or disables the dated-only searches ("Date" and "Date Range").
void EnableDateSearches(const OperationRadios& radios, bool enabled);
bool IsOperationRadioEnabled(const OperationRadios& radios, Operation op);

// The row "Data Source:", the two source buttons and, at the right, the status text.
QHBoxLayout* BuildDataSourceRow(QWidget& page, QAbstractButton& dated, QAbstractButton& undated,
                                QLabel& status);
// The status text that names the loaded histories and their counts.
QLabel* MakeStatusLabel(QWidget& parent);
// An input field, disabled at first, taking at most maxLength characters (0: no limit) and as wide as
// `widthSample`.
QLineEdit* MakeInputField(const char* objectName, int maxLength, const QString& widthSample, QWidget& parent);
// What the input fields of a game page expect for an operation: the placeholder texts (empty for a field the
// operation does not use) and the tool tips.
struct InputHints {
    QString number;
    QString from;
    QString to;
    QString power;
    QString numberTip;
    QString rangeTip;
    QString powerTip;
};
// A digit page's fields for the operation and the Setup choices (Overdue and Hottest narrowed to a day, a
// month or a date range); `digits` is 3 or 4.
InputHints DigitInputHints(std::optional<Operation> op, const SetupChoices& choices, int digits);
// A lotto page's fields for the operation; `balls` numbers make a drawing (the Power Ball page's first
// group).
InputHints LottoInputHints(std::optional<Operation> op, int balls, bool powerBall);
// Shows the hints in the fields; `power` may be null.
void ShowInputHints(const InputHints& hints, QLineEdit& number, QLineEdit& from, QLineEdit& to,
                    QLineEdit* power);

// "Clear Inputs", disabled at first.
QPushButton* MakeClearInputsButton(QWidget& parent);
// "Seed is Planted", hidden at first.
QLabel* MakeSeedNote(QWidget& parent);

} // namespace vantorel
