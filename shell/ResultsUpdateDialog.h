// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <atomic>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vantorel {

class ResultLog;
struct ShellServices;

// "Update Results": fetches a game's published results file and imports it into the game's dated history,
// as `vantorel-cli update` does, with the same checks, question and messages. The address and the column
// come from the preset in force for the game and can be typed over. The update runs on a worker thread:
// the window goes on painting, the progress bar shows what has arrived, and Cancel stops the fetch with
// nothing written. After new drawings were written, they are checked against the player's tickets.
class ResultsUpdateDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultsUpdateDialog)

public:
    ResultsUpdateDialog(ShellServices& services, ResultLog& log, int game, QWidget* parent = nullptr);

    // Chooses the game, showing its source; a number that is no game leaves the choice as it is.
    void ChooseGame(int game);
    // Runs the update of the chosen game and returns when it has ended (the window is served meanwhile).
    void StartUpdate();
    // Whether an update written by this dialog changed the history.
    bool historyChanged() const { return historyChanged_; }
    bool working() const { return working_; }

public slots:
    void reject() override;

private:
    void ShowSource();
    void ShowProgress(std::int64_t received, std::int64_t expected);
    void SetWorking(bool working);

    ShellServices& services_;
    ResultLog& log_;
    QComboBox* gameBox_;
    QLineEdit* addressEdit_;
    QLineEdit* columnEdit_;
    QProgressBar* progressBar_;
    QLabel* stateLabel_;
    QPushButton* updateButton_;
    QPushButton* closeButton_;
    std::atomic<bool> cancelled_ = false;
    bool working_ = false;
    bool historyChanged_ = false;
};

} // namespace vantorel
