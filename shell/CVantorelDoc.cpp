#include "shell/CVantorelDoc.h"

#include <QFileInfo>

namespace vantorel {

QString CVantorelDoc::FrameTitle() const {
    const QString document = name_.isEmpty() ? QStringLiteral("Untitled") : name_;
    return document + QStringLiteral(" - Vantorel");
}

void CVantorelDoc::SetFileName(const QString& path) {
    name_ = QFileInfo(path).fileName();
}

} // namespace vantorel
