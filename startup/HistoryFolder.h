// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

namespace vantorel {

// The folder the desktop program works in: the history file, its backup and the work files lie there.
struct HistoryFolder {
    QString path;    // absolute; empty when no folder can be used
    QString problem; // when `path` is empty: what to tell the user
    QString notice;  // worth telling while the program goes on (no sample history to copy)
};

// The folder of a history file or folder named on the command line; a relative name is taken from `base`.
// A folder must exist; a file must be named vtrmain.dat, the one name the program reads, and may be
// missing (a new history starts there) as long as its folder exists.
HistoryFolder FolderOfHistoryArgument(const QString& argument, const QDir& base);

// The user's own data folder, made when missing. When it holds no history file yet, the sample history
// `sample` is copied in; an existing file is never replaced.
HistoryFolder PrepareUserDataFolder(const QString& folder, const QString& sample);

// Where the desktop program works when no history is named: QStandardPaths::AppDataLocation of the
// application names set on QCoreApplication (on Linux ~/.local/share/Nulvex.Mark/Vantorel).
QString UserDataFolder();

// The sample history where an installation puts it, seen from the folder of the program; uninstalled
// builds put a copy at the same place.
QString SampleHistoryPath(const QString& programFolder);

// Makes the folder of `namedHistory` (or, when it is empty, the prepared user data folder) the working
// directory. Problems and notices go to standard error, problems also to a message box; false when the
// program cannot go on.
bool EnterHistoryFolder(const QString& namedHistory, const QString& programFolder);

} // namespace vantorel
