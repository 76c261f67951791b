// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace vantorel {

inline constexpr int kMainWindowHelpContext = 5000;
inline constexpr int kFirstPageHelpContext = 5005; // + page index of the operations sheet

// Registers the help pages of the program's resources (once).
void EnsureHelpResources();

// The help page of a context number in the program's resources, e.g. qrc:/help/5010.html.
QUrl HelpPageUrl(int helpContext);

// A window that shows the program's help pages and follows the links between them.
class HelpWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)

public:
    explicit HelpWindow(QWidget* parent);

    void ShowPage(int helpContext);

    // Opens help at the context, reusing the help window of the parent's window when it has one. A
    // context without a page shows the main window's page.
    static void ShowContext(int helpContext, QWidget* parent);

private:
    QTextBrowser* browser_;
};

} // namespace vantorel
