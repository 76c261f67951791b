// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/HelpWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The help pages are resources of the shell library; a static library has to register them itself.
static void RegisterHelpResources() {
    Q_INIT_RESOURCE(vantorel);
}

namespace vantorel {

void EnsureHelpResources() {
    static const bool registered = (RegisterHelpResources(), true);
    Q_UNUSED(registered);
}

QUrl HelpPageUrl(int helpContext) {
    return QUrl(QStringLiteral("qrc:/help/%1.html").arg(helpContext));
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Vantorel Help"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(560, 480);
}

void HelpWindow::ShowPage(int helpContext) {
    EnsureHelpResources();
    const QUrl page = HelpPageUrl(helpContext);
    const bool known = QFile::exists(QLatin1Char(':') + page.path());
    browser_->setSource(known ? page : HelpPageUrl(kMainWindowHelpContext));
}

void HelpWindow::ShowContext(int helpContext, QWidget* parent) {
    QWidget* owner = parent != nullptr ? parent->window() : nullptr;
    HelpWindow* window =
        owner != nullptr ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (window == nullptr) {
        window = new HelpWindow(owner);
    }
    window->ShowPage(helpContext);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace vantorel
