#include "shell/VantorelApp.h"

#include "platform/GameSettings.h"
#include "shell/MainWindow.h"

#include <QCoreApplication>

namespace vantorel {

VantorelApp::VantorelApp(ProfileStore& profile, const Clock& clock, SheetPageFactory pageFactory)
    : services_(profile, clock, std::move(pageFactory)) {}

VantorelApp::~VantorelApp() = default;

bool VantorelApp::InitInstance() {
    const auto toQString = [](std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    };
    QCoreApplication::setOrganizationName(toQString(kProfileOrganization));
    QCoreApplication::setApplicationName(toQString(kProfileApplication));
    RunFirstTimeSetup(services_.profile);

    window_ = std::make_unique<MainWindow>(handOver_, results_, services_);
    window_->setWindowTitle(QStringLiteral("VanTorel"));
    window_->showNormal();
    return true;
}

} // namespace vantorel
