#include "shell/CVantorelApp.h"

#include "platform/GameSettings.h"
#include "shell/CMainFrame.h"
#include "shell/CVantorelDoc.h"

#include <QCoreApplication>

namespace vantorel {

CVantorelApp::CVantorelApp(ProfileStore& profile, const Clock& clock, SheetPageFactory pageFactory)
    : services_(profile, clock, std::move(pageFactory)) {}

CVantorelApp::~CVantorelApp() = default;

bool CVantorelApp::InitInstance() {
    const auto toQString = [](std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    };
    QCoreApplication::setOrganizationName(toQString(kProfileOrganization));
    QCoreApplication::setApplicationName(toQString(kProfileApplication));
    RunFirstTimeSetup(services_.profile);

    document_ = std::make_unique<CVantorelDoc>();
    frame_ = std::make_unique<CMainFrame>(*document_, handOver_, results_, services_);
    frame_->setWindowTitle(QStringLiteral("VanTorel"));
    frame_->showNormal();
    return true;
}

} // namespace vantorel
