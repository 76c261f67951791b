#pragma once

#include <QMainWindow>

class QLabel;

namespace vantorel {

class ChartView;
class SheetResults;
struct HandOver;
struct ShellServices;

// The main window: the menu, the standard accelerators, the status bar with the message pane and the
// CAP, NUM and SCRL indicators, and the chart view.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    MainWindow(HandOver& handOver, SheetResults& results, ShellServices& services);

    // The title after new, open or save: "Untitled - Vantorel" or "name - Vantorel". The window's document
    // holds no data (the history lives in the history file): only its name, which they change, is kept.
    static QString DocumentTitle(const QString& documentName);

    ChartView& view() const { return *view_; }

    void ShowHelp();
    void ShowAbout();

private:
    void BuildMenus();
    void BuildStatusBar();
    void AddDocumentShortcuts();
    void UpdateLockIndicators();
    void OpenDocument();
    void SaveDocument();

    ShellServices& services_;
    ChartView* view_;
    QLabel* capsIndicator_ = nullptr;
    QLabel* numIndicator_ = nullptr;
    QLabel* scrollIndicator_ = nullptr;
    QString documentName_;
};

} // namespace vantorel
