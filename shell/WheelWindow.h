// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tickets/WheelGame.h"
#include "wheels/WheelGenerator.h"

#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <stop_token>
#include <vector>

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace vantorel {

struct ShellServices;

inline constexpr int kWheelHelpContext = 5030;

// The Wheel window: the player picks pool numbers and key numbers on a grid of the game's balls, the
// ticket size and the guarantee "T if M"; Generate makes the wheel on a worker thread (progress, Cancel),
// shows its verified tickets, how it compares with the lower bound and its table of wins. Check File...
// verifies a ticket file against the same pool and guarantee. The tickets can be added to the tickets
// file of the history folder (My Tickets), printed, or saved as a ticket file.
class WheelWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WheelWindow)

public:
    // What a ball of the grid is: out of the pool, in it, or a key number (in the pool and on every ticket).
    enum class BallRole { Out, Pool, Key };

    WheelWindow(const WheelGame& game, ShellServices& services, QWidget* parent = nullptr);
    ~WheelWindow() override;

    // Where Save Tickets... and Export CSV... write: a path, or an empty text when the user cancels. It
    // offers `suggestedName` and the files that `filter` names. Tests replace it.
    std::function<QString(const QString& caption, const QString& suggestedName, const QString& filter,
                          QWidget* parent)>
        chooseFileToSave;

    // A click on a ball moves it on: out -> pool -> key -> out.
    void SetBall(int number, BallRole role);
    BallRole RoleOf(int number) const;

    // The wheel as the controls ask for it.
    WheelRequest Request() const;

    // Each returns when its work is over; the window keeps handling events meanwhile.
    void Generate();
    void CheckFile();
    void Cancel();
    bool Busy() const { return busy_; }

    void AddToMyTickets();
    void SaveTicketFile();
    // The tickets and the table of wins as CSV, one section each.
    void ExportCsv();
    void Print();

    // The tickets shown (of the wheel made, or of the file checked).
    const std::vector<WheelTicket>& Tickets() const { return tickets_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildBallGrid();
    QWidget* BuildChoices();
    QWidget* BuildResults();
    void ShowBall(int number);
    void SetBusy(bool busy);
    void ShowProgress(const WheelProgress& progress);
    void ShowStatus(const QString& text);
    void ShowTickets(const std::vector<WheelTicket>& tickets);
    void ShowWins(const std::optional<WinsTable>& wins, int lowestLevel);
    void ShowSummary(const std::vector<std::string>& lines);
    WheelControl Control();
    std::string ReportText() const;

    WheelGame game_;
    ShellServices& services_;
    std::map<int, BallRole> roles_;
    std::map<int, QToolButton*> balls_;
    QSpinBox* sizeSpin_ = nullptr;
    QSpinBox* guaranteeSpin_ = nullptr;
    QSpinBox* drawnSpin_ = nullptr;
    QDoubleSpinBox* secondsSpin_ = nullptr;
    QSpinBox* seedSpin_ = nullptr;
    QPushButton* generateButton_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* addTicketsButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* ticketsTable_ = nullptr;
    QTableWidget* winsTable_ = nullptr;

    std::vector<WheelTicket> tickets_;
    std::vector<std::string> summaryLines_;
    std::vector<std::string> winsLines_;
    std::optional<WinsTable> wins_;
    int winsLowestLevel_ = 0;
    std::stop_source stop_;
    bool busy_ = false;
    bool closeWhenDone_ = false;
};

} // namespace vantorel
