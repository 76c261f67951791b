// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;
class QRadioButton;

namespace vantorel {

class OperationsSheet;

// What the pattern dialog asks for: a 1 to 3 character pattern, the game (0: 3 Number, 1: 4 Number) and
// whether its reversal counts as well.
struct PatternRequest {
    int game = 0;
    bool strict = true;
    std::string pattern;
};

// "Vantorel Pattern Searching": the game, the ordering and the pattern of a pattern search.
class PatternDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PatternDialog)

public:
    explicit PatternDialog(QWidget* parent = nullptr);

    // The request after "Search"; nothing after "Cancel" or while the dialog is open.
    std::optional<PatternRequest> request() const;

    void accept() override; // "Search"
    void reject() override; // "Cancel"

private:
    void ShowFlags();

    QRadioButton* threeNumberRadio_;
    QRadioButton* fourNumberRadio_;
    QRadioButton* strictOrderRadio_;
    QRadioButton* allowReversedRadio_;
    QLineEdit* patternEdit_;
    bool threeNumber_ = true;
    bool fourNumber_ = false;
    bool strictOrder_ = true;
    bool allowReversed_ = false;
    std::string pattern_;
    bool searched_ = false;
};

// Runs the search on the chosen game's dated or undated history as the history file holds it now; a
// result (hits or "NO HITS for ...") turns the sheet to "Deja View" and is reported there. A pattern
// too long for the game shows its message and reports nothing.
void SearchPattern(OperationsSheet& sheet, const PatternRequest& request, bool dated);

// Shows the pattern dialog over the sheet and searches what it asks for.
void OpenPatternSearch(OperationsSheet& sheet, bool dated);

} // namespace vantorel
