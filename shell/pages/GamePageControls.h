#pragma once

#include "platform/Operations.h"
#include "platform/SetupChoices.h"

#include <QString>

#include <array>
#include <functional>

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

// Distribution, Random and Best Guess: the chart view draws their results after the sheet closes (they run
// from OK); every other operation reports on "Deja View".
constexpr bool IsChartOperation(int op) {
    return op == kDistribution || op == kRandom || op == kBestGuess;
}

// The twelve operation radios by operation number.
using OperationRadios = std::array<QRadioButton*, kOperationCount>;

// Operation 11 is "Number Range" on the digit pages and "Partial Number" on the lotto pages.
enum class LastOperation { NumberRange, PartialNumber };

// The "Analyze", "Predict" and "Search" groups of four operation radios each, side by side. The radios
// join `group` with their operation number as id and are stored in `radios`; a click calls onClicked(op).
QHBoxLayout* BuildOperationGroups(QWidget& page, QButtonGroup& group, OperationRadios& radios,
                                  LastOperation last, const std::function<void(int)>& onClicked);
// The first checked operation radio, -1 when none is.
int CheckedOperation(const OperationRadios& radios);
// Enables the radios by the histories that are loaded: every operation with the dated history, all but
// Date and Date Range with only the undated one, none without either.
void EnableOperationRadios(const OperationRadios& radios, bool undatedLoaded, bool datedLoaded);
// Enables or disables "Date" and "Date Range", which search the dated history only.
void EnableDateSearches(const OperationRadios& radios, bool enabled);

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
InputHints DigitInputHints(int op, const SetupChoices& choices, int digits);
// A lotto page's fields for the operation; `balls` numbers make a drawing (the Power Ball page's first
// group).
InputHints LottoInputHints(int op, int balls, bool powerBall);
// Shows the hints in the fields; `power` may be null.
void ShowInputHints(const InputHints& hints, QLineEdit& number, QLineEdit& from, QLineEdit& to,
                    QLineEdit* power);

// "Clear Inputs", disabled at first.
QPushButton* MakeClearInputsButton(QWidget& parent);
// "Seed is Planted", hidden at first.
QLabel* MakeSeedNote(QWidget& parent);

} // namespace vantorel
