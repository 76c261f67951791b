// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tickets/TicketGame.h"

#include <QWidget>

#include <filesystem>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTableWidget;

namespace vantorel {

class TicketWinsModel;
struct ShellServices;
struct TicketCheck;

// "My Tickets": the player's tickets file of the history folder (tickets.txt) in a table, one ticket a row,
// each checked as it is typed; tickets added, removed and imported from a text file, and saved back. Check
// compares every ticket with every drawing of the chosen game's history, off the window's thread, and
// fills the sortable table of wins and the summary; the wins can be exported as CSV and printed.
class MyTicketsWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MyTicketsWindow)

public:
    enum TicketColumn { kTicketText, kTicketState };

    MyTicketsWindow(ShellServices& services, int game, QWidget* parent = nullptr);
    ~MyTicketsWindow() override;

    // The buttons.
    void AddTicket();
    void RemoveTickets();
    void ImportTickets();
    bool SaveTickets();
    void CheckTickets();
    void ExportWins();
    void PrintWins();

    void ChooseGame(int game);
    bool modified() const { return modified_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void LoadTickets();
    void AddRow(const QString& text);
    // What is wrong with a ticket line of `row`; empty when it reads well (or is a comment).
    QString ProblemOf(const QString& text, int row) const;
    void ValidateRow(int row);
    void ValidateAll();
    void OnGameChosen();
    void ShowSummary(const QString& text);
    void SetWorking(bool working);
    std::optional<TicketGame> GameOfChoice(bool tell) const;

    ShellServices& services_;
    std::filesystem::path ticketsFile_;
    std::optional<TicketGame>
        game_; // the chosen game's ticket shape; nothing while its settings are unusable
    QComboBox* gameBox_ = nullptr;
    QComboBox* historyBox_ = nullptr;
    QTableWidget* ticketsTable_ = nullptr;
    QLabel* stateLabel_ = nullptr;
    QTableView* winsView_ = nullptr;
    TicketWinsModel* winsModel_ = nullptr;
    QPlainTextEdit* summaryView_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    std::shared_ptr<const TicketCheck> check_;
    bool modified_ = false;
    bool working_ = false;
};

} // namespace vantorel
