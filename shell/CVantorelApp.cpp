#include "shell/CVantorelApp.h"

#include "platform/GameSettings.h"
#include "shell/CMainFrame.h"
#include "shell/CVantorelDoc.h"

#include <QCoreApplication>

namespace vantorel {

CVantorelApp::CVantorelApp(ProfileStore& profile, const Clock& clock) : services_(profile, clock) {}

CVantorelApp::~CVantorelApp() = default;

bool CVantorelApp::InitInstance() {
    QCoreApplication::setOrganizationName(QStringLiteral("Nulvex.Mark"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantorel"));
    RunFirstTimeSetup(services_.profile);

    document_ = std::make_unique<CVantorelDoc>();
    frame_ = std::make_unique<CMainFrame>(*document_, handOver_, services_);
    frame_->setWindowTitle(QStringLiteral("VanTorel"));
    frame_->showNormal();
    return true;
}

} // namespace vantorel
