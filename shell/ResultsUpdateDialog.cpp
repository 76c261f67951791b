// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ResultsUpdateDialog.h"

#include "VantorelBuild.h"
#include "platform/GameCatalogue.h"
#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "shell/BackgroundWork.h"
#include "shell/NamedControls.h"
#include "shell/NewDrawingsTickets.h"
#include "shell/ShellServices.h"
#include "store/ResultsImport.h"
#include "tickets/HistoryTickets.h"
#include "update/ResultsUpdate.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace vantorel {

namespace {

// The progress bar counts kibibytes, so that files up to the fetch's limit fit its int range.
constexpr std::int64_t kProgressUnit = 1024;

std::string NoKnownSourceMessage(int game) {
    return "There is no known source of results for the " + std::string(GameTitleOf(game)) +
           ".\n\nType the address of the results file your lottery publishes under Address, choose a "
           "preset that names one on the Setup page, or download the file and import it with \"Results "
           "Import (UPDATE)\" on the Data File page.";
}

// What the dialog says when an update has ended.
QString EndText(ResultsUpdated updated) {
    switch (updated) {
    case ResultsUpdated::kWritten:
        return QStringLiteral("The new drawings were written.");
    case ResultsUpdated::kCancelled:
        return QStringLiteral("Cancelled: nothing was written.");
    case ResultsUpdated::kDeclined:
        return QStringLiteral("Nothing was changed.");
    case ResultsUpdated::kNothingNew:
    case ResultsUpdated::kSourceUnchanged:
        break;
    }
    return QStringLiteral("No new drawings.");
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ResultsUpdateDialog::ResultsUpdateDialog(ShellServices& services, ResultLog& log, int game, QWidget* parent)
    : QDialog(parent), services_(services), log_(log), gameBox_(new QComboBox(this)),
      addressEdit_(new QLineEdit(this)), columnEdit_(new QLineEdit(this)),
      progressBar_(new QProgressBar(this)), stateLabel_(new QLabel(this)),
      updateButton_(MakeNamed<QPushButton>("updateButton", "&Update", this)),
      closeButton_(MakeNamed<QPushButton>("closeButton", "Close", this)) {
    setObjectName(QStringLiteral("resultsUpdateDialog"));
    setWindowTitle(QStringLiteral("Update Results"));
    gameBox_->setObjectName(QStringLiteral("gameBox"));
    addressEdit_->setObjectName(QStringLiteral("addressEdit"));
    columnEdit_->setObjectName(QStringLiteral("columnEdit"));
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    stateLabel_->setObjectName(QStringLiteral("stateLabel"));
    for (const GameEntry& entry : kGameCatalogue) {
        gameBox_->addItem(Latin1(entry.title));
    }
    addressEdit_->setPlaceholderText(QStringLiteral("https://... (the results file your lottery publishes)"));
    addressEdit_->setMinimumWidth(480);
    columnEdit_->setPlaceholderText(QStringLiteral("the field after the date"));
    progressBar_->setRange(0, 0);
    progressBar_->setVisible(false);
    stateLabel_->setWordWrap(true);
    stateLabel_->setText(QStringLiteral("Fetches the game's published results and adds the new drawings to "
                                        "its dated history."));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Game:"), gameBox_);
    form->addRow(QStringLiteral("&Address:"), addressEdit_);
    form->addRow(QStringLiteral("Co&lumn:"), columnEdit_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(updateButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(stateLabel_);
    layout->addWidget(progressBar_);
    layout->addLayout(buttons);
    updateButton_->setDefault(true);

    connect(gameBox_, &QComboBox::currentIndexChanged, this, &ResultsUpdateDialog::ShowSource);
    connect(updateButton_, &QPushButton::clicked, this, &ResultsUpdateDialog::StartUpdate);
    connect(closeButton_, &QPushButton::clicked, this, &ResultsUpdateDialog::reject);
    ChooseGame(IsGame(game) ? game : kPowerball);
    ShowSource();
}

void ResultsUpdateDialog::ChooseGame(int game) {
    if (IsGame(game)) {
        gameBox_->setCurrentIndex(game);
    }
}

void ResultsUpdateDialog::ShowSource() {
    const GamePreset* preset = PresetInForce(services_.profile, gameBox_->currentIndex());
    addressEdit_->setText(preset != nullptr ? Text(preset->sourceUrl) : QString());
    columnEdit_->setText(preset != nullptr ? Text(preset->sourceColumn) : QString());
}

void ResultsUpdateDialog::reject() {
    if (working_) {
        // Cancel while the file arrives: the fetch stops and nothing is written.
        cancelled_ = true;
        closeButton_->setEnabled(false);
        stateLabel_->setText(QStringLiteral("Cancelling..."));
        return;
    }
    QDialog::reject();
}

void ResultsUpdateDialog::SetWorking(bool working) {
    working_ = working;
    gameBox_->setEnabled(!working);
    addressEdit_->setEnabled(!working);
    columnEdit_->setEnabled(!working);
    updateButton_->setEnabled(!working);
    closeButton_->setEnabled(true);
    closeButton_->setText(working ? QStringLiteral("Cancel") : QStringLiteral("Close"));
    progressBar_->setVisible(working);
    progressBar_->setRange(0, 0);
}

void ResultsUpdateDialog::ShowProgress(std::int64_t received, std::int64_t expected) {
    if (!working_) {
        return;
    }
    if (expected > 0) {
        progressBar_->setRange(0, static_cast<int>(expected / kProgressUnit));
        progressBar_->setValue(static_cast<int>(std::min(received, expected) / kProgressUnit));
    }
    stateLabel_->setText(
        QStringLiteral("Fetching the results file: %1 KiB received").arg(received / kProgressUnit));
}

void ResultsUpdateDialog::StartUpdate() {
    if (working_) {
        return;
    }
    const int game = gameBox_->currentIndex();
    const Outcome<GameSettings> settings = ReadGameSettings(services_.profile, SettingsOfResultsImport(game));
    if (!ShowOutcome(settings)) {
        return;
    }
    ResultsUpdateRequest request;
    request.gameType = game;
    request.url = addressEdit_->text().trimmed().toStdString();
    request.column = columnEdit_->text().trimmed().toStdString();
    request.eraStart = EraInForce(services_.profile, game);
    request.userAgent = "Vantorel/" + std::string(kVantorelVersion);
    if (request.url.empty()) {
        MessageBox(NoKnownSourceMessage(game), MessageIcon::Stop);
        return;
    }
    const GamePreset* preset = PresetInForce(services_.profile, game);
    const std::string presetName = preset != nullptr ? std::string(preset->name) : std::string();

    SetWorking(true);
    cancelled_ = false;
    stateLabel_->setText(QStringLiteral("Fetching the results file..."));
    const AskQuestion ask = [this](const Question& question) {
        bool yes = false;
        OnWindowThread(*this, [&] { yes = AskThroughMessageBox(question); });
        return yes;
    };
    // The amounts reached so far, shown once a turn of the window's thread however often the fetch
    // reports them.
    struct Reached {
        std::atomic<std::int64_t> received = 0;
        std::atomic<std::int64_t> expected = 0;
    };
    const auto reached = std::make_shared<Reached>();
    CoalescedCall showReached(*this, [this, reached] { ShowProgress(reached->received, reached->expected); });
    const FetchProgressCallback progress = [this, reached, &showReached](const FetchProgress& now) {
        reached->received = now.received;
        reached->expected = now.expected;
        showReached.Ask();
        return !cancelled_.load();
    };
    struct Ended {
        Outcome<ResultsUpdated> updated;
        Outcome<ReportLines> tickets;
    };
    Ended ended = RunOffWindowThread([&] {
        const std::vector<int> before = DatedDaysInHistoryFile(game, *settings);
        Outcome<ResultsUpdated> updated = UpdateResults(request, *settings, ask, progress);
        Outcome<ReportLines> tickets = updated && *updated == ResultsUpdated::kWritten
                                           ? CheckNewDrawings(game, *settings, presetName, before)
                                           : Outcome<ReportLines>(ReportLines{});
        return Ended{std::move(updated), std::move(tickets)};
    });
    SetWorking(false);
    const bool shown = ShowOutcome(ended.updated);
    stateLabel_->setText(shown ? EndText(*ended.updated) : QStringLiteral("Nothing was written."));
    if (shown && *ended.updated == ResultsUpdated::kWritten) {
        historyChanged_ = true;
        ShowNewDrawingsTickets(ended.tickets, game, log_);
    }
}

} // namespace vantorel
