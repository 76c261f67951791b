// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup/HistoryFolder.h"

#include "VantorelBuild.h"
#include "platform/MessageBox.h"
#include "store/HistoryFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <iostream>

namespace vantorel {

namespace {

const QString kHistoryFile = QString::fromLatin1(kHistoryFileName.data(), kHistoryFileName.size());

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

HistoryFolder Refused(const QString& problem) {
    return {{}, problem, {}};
}

// Adds the owner's write permission that an installed, read-only sample would otherwise pass on.
void MakeWritableByOwner(const QString& file) {
    QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadUser | QFileDevice::WriteUser);
}

} // namespace

HistoryFolder FolderOfHistoryArgument(const QString& argument, const QDir& base) {
    const QFileInfo named(base, argument);
    if (named.isDir()) {
        return {named.absoluteFilePath(), {}, {}};
    }
    if (named.fileName() != kHistoryFile) {
        if (!named.exists()) {
            return Refused(QStringLiteral("\"%1\" does not exist.").arg(Shown(named.absoluteFilePath())));
        }
        return Refused(QStringLiteral("\"%1\" is not a Vantorel history: the history file is named %2.\n"
                                      "Name a file called so, or the folder that holds it.")
                           .arg(Shown(named.absoluteFilePath()), kHistoryFile));
    }
    const QFileInfo folder(named.absolutePath());
    if (!folder.isDir()) {
        return Refused(
            QStringLiteral("The folder \"%1\" does not exist.").arg(Shown(folder.absoluteFilePath())));
    }
    return {folder.absoluteFilePath(), {}, {}};
}

HistoryFolder PrepareUserDataFolder(const QString& folder, const QString& sample) {
    const QDir dataFolder(folder);
    if (!dataFolder.mkpath(QStringLiteral("."))) {
        return Refused(QStringLiteral("The data folder \"%1\" cannot be made.").arg(Shown(folder)));
    }
    HistoryFolder prepared{dataFolder.absolutePath(), {}, {}};
    const QString history = dataFolder.filePath(kHistoryFile);
    // A dangling link counts as present too: copying onto it would write somewhere else.
    if (QFileInfo(history).exists() || QFileInfo(history).isSymLink()) {
        return prepared;
    }
    QFile source(sample);
    if (!source.exists()) {
        prepared.notice = QStringLiteral("No sample history at \"%1\"; the data folder \"%2\" starts empty.")
                              .arg(Shown(sample), Shown(folder));
    } else if (!source.copy(history)) { // copies to a temporary file and renames it, never over a file
        prepared.notice = QStringLiteral("The sample history could not be copied to \"%1\": %2")
                              .arg(Shown(history), source.errorString());
    } else {
        MakeWritableByOwner(history);
    }
    return prepared;
}

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString SampleHistoryPath(const QString& programFolder) {
    const QString relative =
        QString::fromUtf8(kDataFolderFromPrograms.data(), kDataFolderFromPrograms.size());
    return QDir::cleanPath(QDir(programFolder).filePath(relative) + QLatin1Char('/') + kHistoryFile);
}

bool EnterHistoryFolder(const QString& namedHistory, const QString& programFolder) {
    HistoryFolder folder = namedHistory.isEmpty()
                               ? PrepareUserDataFolder(UserDataFolder(), SampleHistoryPath(programFolder))
                               : FolderOfHistoryArgument(namedHistory, QDir::current());
    if (!folder.notice.isEmpty()) {
        std::cerr << "vantorel: " << folder.notice.toStdString() << '\n';
    }
    if (!folder.path.isEmpty() && !QDir::setCurrent(folder.path)) {
        folder.problem = QStringLiteral("The folder \"%1\" cannot be opened.").arg(Shown(folder.path));
        folder.path.clear();
    }
    if (folder.path.isEmpty()) {
        std::cerr << "vantorel: " << folder.problem.toStdString() << '\n';
        MessageBox(folder.problem.toStdString(), MessageIcon::Stop);
        return false;
    }
    return true;
}

} // namespace vantorel
