// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace vantorel {

// What the desktop program's command line asks for.
enum class DesktopRequest { Run, Help, Version, Invalid };

struct DesktopCommandLine {
    DesktopRequest request = DesktopRequest::Run;
    QString history; // the history file or folder named, empty for the user's own data folder
    QString problem; // why an Invalid line is refused
};

// Reads the arguments after the program name: --help (-h) or --version (-v) anywhere before "--" wins;
// otherwise at most one history file or folder and no other option. Qt's own options (-style, -platform
// ...) are taken out by QApplication; on the raw arguments only Help and Version are to be trusted.
DesktopCommandLine ParseDesktopCommandLine(const QStringList& arguments);

// The text of --help; `userDataFolder` is where the program works when no history is named.
QString DesktopHelpText(const QString& userDataFolder);
// The text of --version.
QString DesktopVersionText();

} // namespace vantorel
