#include "shell/pages/UnavailablePage.h"

#include "shell/CPsheet.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vantorel {

UnavailablePage::UnavailablePage(CPsheet& sheet, int pageIndex) : SheetPage(sheet, pageIndex) {
    setObjectName(QStringLiteral("unavailablePage%1").arg(pageIndex));
    auto* notice = new QLabel(
        QStringLiteral("The %1 page is not available in this build.").arg(CPsheet::PageTitle(pageIndex)),
        this);
    notice->setObjectName(QStringLiteral("unavailableNotice"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice);
}

} // namespace vantorel
