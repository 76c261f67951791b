#pragma once

#include <QString>

namespace vantorel {

// The document of the main window. It holds no data: the history lives in the history file and is read
// by the game pages. Only its name, which new, open and save change, appears in the window title.
class CVantorelDoc final {
public:
    // The framework's title after new, open or save: "Untitled - Vantorel" or "name - Vantorel".
    QString FrameTitle() const;

    void NewDocument() { name_.clear(); }
    // Remembers the file chosen in the open or save dialog; nothing is read or written.
    void SetFileName(const QString& path);
    const QString& name() const { return name_; }

private:
    QString name_;
};

} // namespace vantorel
