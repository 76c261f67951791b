// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup/DesktopCommandLine.h"

#include "VantorelBuild.h"

namespace vantorel {

namespace {

bool IsOption(const QString& argument) {
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

} // namespace

DesktopCommandLine ParseDesktopCommandLine(const QStringList& arguments) {
    const qsizetype optionsEnd = arguments.indexOf(QStringLiteral("--"));
    const QStringList options = optionsEnd < 0 ? arguments : arguments.first(optionsEnd);
    for (const QString& argument : options) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return {DesktopRequest::Help, {}, {}};
        }
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            return {DesktopRequest::Version, {}, {}};
        }
    }
    QStringList histories;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (i == optionsEnd) {
            continue;
        }
        const bool optionsAllowed = optionsEnd < 0 || i < optionsEnd;
        if (optionsAllowed && IsOption(arguments[i])) {
            return {DesktopRequest::Invalid, {}, QStringLiteral("unknown option \"%1\"").arg(arguments[i])};
        }
        histories.append(arguments[i]);
    }
    if (histories.size() > 1) {
        return {DesktopRequest::Invalid, {}, QStringLiteral("only one history file or folder can be opened")};
    }
    return {DesktopRequest::Run, histories.value(0), {}};
}

QString DesktopHelpText(const QString& userDataFolder) {
    return QStringLiteral(
               "Usage: vantorel [OPTION] [FOLDER | FOLDER/vtrmain.dat]\n"
               "Vantorel keeps the drawing history of five numbers-lottery games in vtrmain.dat, analyses "
               "it,\n"
               "predicts from it and searches it.\n"
               "\n"
               "With a folder, or a history file named vtrmain.dat, the program works on the history of "
               "that\n"
               "folder (its backup and work files lie there too). Without one it works in your own data "
               "folder,\n"
               "  %1\n"
               "where it puts a copy of the sample history on the first start.\n"
               "\n"
               "Options:\n"
               "  -h, --help     show this help and exit\n"
               "  -v, --version  show the version and exit\n"
               "\n"
               "vantorel-cli runs the same operations in a terminal. See vantorel(1) and vantorel-cli(1).\n")
        .arg(userDataFolder);
}

QString DesktopVersionText() {
    return QStringLiteral("vantorel %1\n")
        .arg(QLatin1String(kVantorelVersion.data(), kVantorelVersion.size()));
}

} // namespace vantorel
