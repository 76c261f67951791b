// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class QThread;

namespace vantorel {

class StatisticsHistory;
struct BacktestRequest;
struct BacktestResult;
struct HistoryStatistics;
struct ResultDocument;
struct ResultTable;
struct ShellServices;

// The Statistics window: the statistics of one game's dated or undated history (a sortable table of its
// numbers, a heat map of the pairs drawn together, the skips and the sums as charts, the fairness test and
// the whole report) and backtests of its predictions, which run on a worker thread with progress and
// Cancel. Every table exports CSV and every chart a PNG or SVG picture.
class StatisticsWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatisticsWindow)

public:
    // Asks where to save a table as CSV; an empty text when the user cancels.
    using ChooseCsvFile = std::function<QString(QWidget* parent)>;

    // Opens on `gameType`'s dated or undated history, read from the history file of the working folder.
    StatisticsWindow(ShellServices& services, int gameType, bool dated, QWidget* parent = nullptr);
    // Cancels a running backtest and waits for its thread.
    ~StatisticsWindow() override;

    void SetCsvFileChooser(ChooseCsvFile choose) { chooseCsvFile_ = std::move(choose); }

    // Reads the history again and shows the statistics of the chosen game and history.
    void ShowStatistics();
    // Starts a backtest of the chosen prediction; nothing while one runs.
    void RunBacktest();
    void CancelBacktest();
    bool BacktestRunning() const { return worker_ != nullptr; }

    // Writes a table of the window ("numbers", "pairs", "matches", ...) as CSV, or a chart ("skips", "sums",
    // "matches") as a PNG or SVG picture by the path's suffix; false, after saying why, when it cannot.
    bool ExportTableTo(const QString& tableName, const QString& path);
    bool ExportChartTo(const QString& chartName, const QString& path);

signals:
    void BacktestFinished();

private:
    struct BacktestRun;

    void BuildControls();
    QWidget* BuildNumbersTab();
    QWidget* BuildPairsTab();
    QWidget* BuildChartTab(QChartView*& view, const char* objectName, const QString& chartName);
    QWidget* BuildReportTab();
    QWidget* BuildBacktestTab();
    QPushButton* ExportTableButton(const QString& tableName, QWidget* parent);
    QPushButton* ExportChartButton(const QString& chartName, QWidget* parent);
    void ShowRefusal(const QString& text);
    void FillNumbers(const HistoryStatistics& statistics);
    void FillPairs(const HistoryStatistics& statistics);
    void FillSkips(const HistoryStatistics& statistics);
    void FillSums(const HistoryStatistics& statistics);
    void ShowBacktestProgress(int tested, int toTest);
    void FinishBacktest();
    void ShowBacktest(const BacktestResult& result);
    void UpdateBacktestChoices();
    BacktestRequest RequestFromControls() const;
    const ResultTable* TableNamed(const QString& name) const;
    QChartView* ChartNamed(const QString& name) const;

    ShellServices& services_;
    ChooseCsvFile chooseCsvFile_;
    std::unique_ptr<StatisticsHistory> history_; // none when the chosen history could not be read
    std::unique_ptr<ResultDocument> statisticsTables_;
    std::unique_ptr<ResultDocument> backtestTables_;

    QComboBox* gameChoice_ = nullptr;
    QCheckBox* datedCheck_ = nullptr;
    QSpinBox* lastDrawingsSpin_ = nullptr;
    QLabel* headingLabel_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* numbersTable_ = nullptr;
    QStandardItemModel* numbersModel_ = nullptr;
    QTableView* pairsHeatMap_ = nullptr;
    QStandardItemModel* pairsModel_ = nullptr;
    QChartView* skipsChart_ = nullptr;
    QChartView* sumsChart_ = nullptr;
    QLabel* fairnessLabel_ = nullptr;
    QPlainTextEdit* reportText_ = nullptr;

    QComboBox* operationChoice_ = nullptr;
    QComboBox* strategyChoice_ = nullptr;
    QComboBox* methodChoice_ = nullptr;
    QSpinBox* warmupSpin_ = nullptr;
    QSpinBox* seedSpin_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* backtestProgress_ = nullptr;
    QPlainTextEdit* backtestText_ = nullptr;
    QChartView* matchesChart_ = nullptr;

    std::shared_ptr<BacktestRun> run_;
    std::unique_ptr<QThread> worker_;
};

} // namespace vantorel
