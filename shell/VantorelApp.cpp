// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/VantorelApp.h"

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "settings/LotteryFolder.h"
#include "shell/ChartPainter.h"
#include "shell/MainWindow.h"
#include "store/HistoryFile.h"

#include <QCoreApplication>
#include <QDir>

namespace vantorel {

std::string FirstRunFollowUp(const QString& historyFolder) {
    return "Your drawing history is kept in the folder\n" + historyFolder.toStdString() + "\nin the file " +
           std::string(kHistoryFileName) + ", with its backup " + std::string(kBackupFileName) +
           ".\n\nTo bring in current results, choose Tools > Update Results..., which fetches the results "
           "your lottery publishes (choose your game's preset on the Setup page first). Or choose " +
           kOperationsMenuPath +
           " (or double-click the main window), turn to the Data File page and use \"Results Import "
           "(UPDATE)\" with a results file you downloaded, or type new drawings with \"Data "
           "Import (APPEND)\".";
}

VantorelApp::VantorelApp(ProfileStore& profile, const Clock& clock, SheetPageFactory pageFactory)
    : services_(profile, clock, std::move(pageFactory)) {}

VantorelApp::~VantorelApp() = default;

bool VantorelApp::InitInstance() {
    const auto toQString = [](std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    };
    QCoreApplication::setOrganizationName(toQString(kProfileOrganization));
    QCoreApplication::setApplicationName(toQString(kProfileApplication));
    ShowNotices(
        RunFirstTimeSetup(services_.profile, FirstRunFollowUp(QDir::toNativeSeparators(QDir::currentPath())))
            .notices());

    window_ = std::make_unique<MainWindow>(handOver_, results_, services_);
    window_->ShowFolderTitle();
    // The folder is reopened at the next start; a list that cannot be kept loses nothing else.
    static_cast<void>(RememberRecentFolder(services_.profile.UserSettings(),
                                           std::filesystem::path(QDir::currentPath().toStdString())));
    window_->FillRecentFolders();
    window_->ShowAtRememberedPlace();
    return true;
}

} // namespace vantorel
