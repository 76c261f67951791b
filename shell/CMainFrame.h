#pragma once

#include <QMainWindow>

class QLabel;

namespace vantorel {

class CVantorelDoc;
class CVantorelView;
class SheetResults;
struct HandOver;
struct ShellServices;

// The main window: the menu, the standard accelerators, the status bar with the message pane and the
// CAP, NUM and SCRL indicators, and the chart view.
class CMainFrame final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMainFrame)

public:
    CMainFrame(CVantorelDoc& document, HandOver& handOver, SheetResults& results, ShellServices& services);

    CVantorelView& view() const { return *view_; }

    void ShowHelp();
    void ShowAbout();

private:
    void BuildMenus();
    void BuildStatusBar();
    void AddDocumentShortcuts();
    void UpdateLockIndicators();
    void OpenDocument();
    void SaveDocument();

    CVantorelDoc& document_;
    ShellServices& services_;
    CVantorelView* view_;
    QLabel* capsIndicator_ = nullptr;
    QLabel* numIndicator_ = nullptr;
    QLabel* scrollIndicator_ = nullptr;
};

} // namespace vantorel
