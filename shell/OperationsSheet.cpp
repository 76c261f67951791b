// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OperationsSheet.h"

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "shell/HelpWindow.h"
#include "shell/NamedControls.h"
#include "shell/SheetPage.h"
#include "shell/ShellServices.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vantorel {

namespace {

// The titles of the pages that are not game pages; a game page has its game's title.
constexpr std::array<std::pair<PageIndex, std::string_view>, 3> kOtherPageTitles = {{
    {kSetupPage, "Setup"},
    {kDataFilePage, "Data File"},
    {kDejaViewPage, "Deja View"},
}};

bool ValidPage(int index) {
    return index >= 0 && index < kPageCount;
}

} // namespace

OperationsSheet::OperationsSheet(HandOver& handOver, SheetResults& results, ShellServices& services,
                                 QWidget* parent)
    : QDialog(parent), handOver_(handOver), results_(results), services_(services),
      tabs_(new QTabWidget(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                        QDialogButtonBox::Apply | QDialogButtonBox::Help,
                                    this)),
      stopButton_(new QPushButton(QStringLiteral("Stop"), this)) {
    setObjectName(QStringLiteral("operationsSheet"));
    setWindowTitle(QStringLiteral("Vantorel Operations"));
    tabs_->setObjectName(QStringLiteral("pageTabs"));
    // Every tab stays whole: the tab row sets the least width of the sheet.
    tabs_->setUsesScrollButtons(false);
    tabs_->setElideMode(Qt::ElideNone);
    AddPages();

    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    buttons_->button(QDialogButtonBox::Apply)->setObjectName(QStringLiteral("applyButton"));
    buttons_->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("helpButton"));
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(false);
    connect(buttons_, &QDialogButtonBox::accepted, this, &OperationsSheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &OperationsSheet::reject);
    connect(buttons_, &QDialogButtonBox::helpRequested, this, &OperationsSheet::ShowHelp);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &OperationsSheet::Apply);
    connect(tabs_, &QTabWidget::currentChanged, this, &OperationsSheet::OnCurrentTabChanged);

    // Shown only while long work runs.
    stopButton_->setObjectName(QStringLiteral("stopWorkButton"));
    stopButton_->hide();
    connect(stopButton_, &QPushButton::clicked, this, [this] {
        if (stopWork_) {
            stopWork_();
        }
        stopButton_->setEnabled(false);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(stopButton_);
    bottom->addWidget(buttons_, 1);
    layout->addLayout(bottom);
}

QString OperationsSheet::PageTitle(int index) {
    if (const std::optional<GameType> game = GameOfPage(index)) {
        return Latin1(GameOf(*game).title);
    }
    for (const auto& [page, title] : kOtherPageTitles) {
        if (page == index) {
            return Latin1(title);
        }
    }
    return {};
}

// The factory's pages take their places by index; a place it leaves empty gets a blank page.
void OperationsSheet::AddPages() {
    for (SheetPage* made : services_.buildPages(*this)) {
        if (made != nullptr && ValidPage(made->pageIndex())) {
            pages_[static_cast<std::size_t>(made->pageIndex())] = made;
        }
    }
    for (int index = 0; index < kPageCount; ++index) {
        SheetPage*& place = pages_[static_cast<std::size_t>(index)];
        if (place == nullptr) {
            place = new SheetPage(*this, index);
        }
        tabs_->addTab(place, PageTitle(index));
    }
}

SheetPage* OperationsSheet::page(int index) const {
    return ValidPage(index) ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

GamePage* OperationsSheet::gamePage(int game) const {
    return gamePageAt(PageOfGame(game));
}

GamePage* OperationsSheet::gamePageAt(int index) const {
    return qobject_cast<GamePage*>(page(index));
}

int OperationsSheet::activeIndex() const {
    return tabs_->currentIndex();
}

void OperationsSheet::SetActivePage(int index) {
    if (!ValidPage(index)) {
        return;
    }
    if (tabs_->currentIndex() != index) {
        tabs_->setCurrentIndex(index); // activates the page through currentChanged
    } else if (initialised_) {
        ActivatePage(index);
    }
}

void OperationsSheet::OnCurrentTabChanged(int index) {
    if (initialised_ && ValidPage(index)) {
        ActivatePage(index);
    }
}

void OperationsSheet::ActivatePage(int index) {
    shownInThisRun_[static_cast<std::size_t>(index)] = true;
    pages_[static_cast<std::size_t>(index)]->OnSetActive();
    UpdateDefaultButton();
}

void OperationsSheet::UpdateDefaultButton() {
    QPushButton* pageDefault = pages_[static_cast<std::size_t>(activeIndex())]->defaultButton();
    QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
    if (pageDefault != nullptr) {
        ok->setDefault(false);
        pageDefault->setDefault(true);
    } else {
        ok->setDefault(true);
    }
}

void OperationsSheet::EnableOk(bool enable) {
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(enable);
}

bool OperationsSheet::IsOkEnabled() const {
    return buttons_->button(QDialogButtonBox::Ok)->isEnabled();
}

void OperationsSheet::UpdateApplyButton() {
    bool anyModified = false;
    for (const SheetPage* each : pages_) {
        anyModified = anyModified || (each != nullptr && each->IsModified());
    }
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(anyModified);
}

int OperationsSheet::MarkActiveGame(GameType game) {
    const int index = PageOfGame(game);
    MarkOneHot(handOver_.activeGame, index);
    MarkOneHot(state_.pageFlags, index);
    return index;
}

void OperationsSheet::SetChartPending(int flag) {
    state_.chartPending = flag != 0;
}

void OperationsSheet::EnablePageInputs(int page, bool enable) {
    if (GamePage* game = gamePageAt(page)) {
        game->SetInputsEnabled(enable);
    }
}

void OperationsSheet::ClearPagesModified() {
    for (SheetPage* each : pages_) {
        each->SetModified(false);
    }
}

int OperationsSheet::RunSheet(QWidget* parent) {
    SetActivePage(state_.startPage);
    state_.pageFlags = handOver_.activeGame;
    if (parent != nullptr) {
        setParent(parent, windowFlags());
    }
    return exec();
}

void OperationsSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!initialised_) {
        InitSheet();
    }
}

void OperationsSheet::InitSheet() {
    initialised_ = true;
    ActivatePage(activeIndex());

    if (!IsConfigured(services_.profile) && !state_.notConfigured) {
        MessageBox(kNotConfiguredMessage);
        state_.notConfigured = true;
        // The warning's own loop runs while the sheet is being shown, and the window system may then give
        // the sheet a default size: it gets back the room its pages and every whole tab need.
        resize(size().expandedTo(sizeHint()));
    } else {
        ClearPagesModified();
    }
}

bool OperationsSheet::ApplyShownPages() {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (shownInThisRun_[i] && !pages_[i]->OnApply()) {
            return false;
        }
    }
    return true;
}

void OperationsSheet::Apply() {
    if (ApplyShownPages()) {
        ClearPagesModified();
    }
}

void OperationsSheet::BeginWork(std::function<void()> stop) {
    working_ = true;
    stopWork_ = std::move(stop);
    tabs_->setEnabled(false);
    buttons_->setEnabled(false);
    stopButton_->setEnabled(true);
    stopButton_->setVisible(static_cast<bool>(stopWork_));
}

void OperationsSheet::EndWork() {
    working_ = false;
    stopWork_ = nullptr;
    stopButton_->hide();
    buttons_->setEnabled(true);
    tabs_->setEnabled(true);
}

void OperationsSheet::reject() {
    if (!working_) {
        QDialog::reject();
    }
}

void OperationsSheet::accept() {
    if (!working_ && ApplyShownPages()) {
        QDialog::accept();
    }
}

void OperationsSheet::ShowHelp() {
    const int index = activeIndex();
    if (ValidPage(index)) {
        services_.showHelp(kFirstPageHelpContext + index, this);
    }
}

void OperationsSheet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vantorel
