// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/PatternDialog.h"

#include "digit/DigitPattern.h"
#include "digit/DigitReports.h"
#include "platform/MessageBox.h"
#include "shell/Artwork.h"
#include "shell/NamedControls.h"
#include "shell/OperationsSheet.h"
#include "shell/ResultListPage.h"
#include "shell/SheetResults.h"
#include "store/HistoryFile.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantorel {

namespace {

constexpr int kPatternLength = 3;

QGroupBox* MakeGroup(const QString& title, QRadioButton* first, QRadioButton* second, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    first->setParent(group);
    second->setParent(group);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

} // namespace

PatternDialog::PatternDialog(QWidget* parent)
    : QDialog(parent), threeNumberRadio_(MakeNamed<QRadioButton>("threeNumberRadio", "3  Number", this)),
      fourNumberRadio_(MakeNamed<QRadioButton>("fourNumberRadio", "4  Number", this)),
      strictOrderRadio_(MakeNamed<QRadioButton>("strictOrderRadio", "Strict Order", this)),
      allowReversedRadio_(MakeNamed<QRadioButton>("allowReversedRadio", "Allow Reversed", this)),
      patternEdit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("patternDialog"));
    setWindowTitle(QStringLiteral("Vantorel Pattern Searching"));
    patternEdit_->setObjectName(QStringLiteral("patternEdit"));
    patternEdit_->setMaxLength(kPatternLength);
    patternEdit_->setFixedWidth(patternEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);

    auto* gameType = MakeGroup(QStringLiteral("Game Type"), threeNumberRadio_, fourNumberRadio_, this);
    auto* ordering = MakeGroup(QStringLiteral("Ordering"), strictOrderRadio_, allowReversedRadio_, this);
    // Each click sets its flag and clears the other of its pair, then both pairs show their flags again.
    connect(threeNumberRadio_, &QRadioButton::clicked, this, [this] {
        threeNumber_ = true;
        fourNumber_ = false;
        ShowFlags();
    });
    connect(fourNumberRadio_, &QRadioButton::clicked, this, [this] {
        threeNumber_ = false;
        fourNumber_ = true;
        ShowFlags();
    });
    connect(strictOrderRadio_, &QRadioButton::clicked, this, [this] {
        strictOrder_ = true;
        allowReversed_ = false;
        ShowFlags();
    });
    connect(allowReversedRadio_, &QRadioButton::clicked, this, [this] {
        strictOrder_ = false;
        allowReversed_ = true;
        ShowFlags();
    });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* search = buttons->addButton(QStringLiteral("Search"), QDialogButtonBox::AcceptRole);
    search->setObjectName(QStringLiteral("searchButton"));
    search->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PatternDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PatternDialog::reject);

    auto* patternRow = new QHBoxLayout;
    patternRow->addWidget(new QLabel(QStringLiteral("Pattern:"), this));
    patternRow->addWidget(patternEdit_);
    patternRow->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addWidget(gameType);
    groups->addWidget(ordering);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new LogoBanner(this, 36));
    layout->addLayout(groups);
    layout->addLayout(patternRow);
    layout->addWidget(buttons);
    ShowFlags();
    patternEdit_->setFocus();
}

void PatternDialog::ShowFlags() {
    threeNumberRadio_->setChecked(threeNumber_);
    fourNumberRadio_->setChecked(fourNumber_);
    strictOrderRadio_->setChecked(strictOrder_);
    allowReversedRadio_->setChecked(allowReversed_);
}

std::optional<PatternRequest> PatternDialog::request() const {
    if (!searched_) {
        return std::nullopt;
    }
    return PatternRequest{fourNumber_ ? kFourNumber : kThreeNumber, !allowReversed_, pattern_};
}

void PatternDialog::accept() {
    pattern_ = patternEdit_->text().toStdString();
    if (!threeNumber_ && !fourNumber_) {
        MessageBox(kNoGameSelected);
        return;
    }
    if (pattern_.empty()) {
        MessageBox(kNoPatternsEntered);
        return;
    }
    searched_ = true;
    QDialog::accept();
}

void PatternDialog::reject() {
    pattern_.clear();
    threeNumber_ = false;
    fourNumber_ = false;
    searched_ = false;
    QDialog::reject();
}

void SearchPattern(OperationsSheet& sheet, const PatternRequest& request, bool dated) {
    DigitDrawTable table(SectionNumber(request.game, dated));
    table.Load();
    const Outcome<std::string> result = FindPattern(table, request.pattern, request.game, request.strict);
    if (!ShowOutcome(result)) {
        return;
    }
    PatternReport report = ReportPattern(*result);
    ResultLog& log = sheet.results().log();
    if (report.clearList) {
        log.MarkEnd(); // the list is emptied first, as "Clear List" does
    }
    log.Add({static_cast<GameType>(request.game), std::nullopt, "Pattern Searching", dated,
             FileReport{*result}, std::move(report.lines)});
    sheet.SetActivePage(kDejaViewPage);
}

void OpenPatternSearch(OperationsSheet& sheet, bool dated) {
    PatternDialog dialog(&sheet);
    dialog.exec();
    if (const std::optional<PatternRequest> request = dialog.request()) {
        SearchPattern(sheet, *request, dated);
    }
}

} // namespace vantorel
