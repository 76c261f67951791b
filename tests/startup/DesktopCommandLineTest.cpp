// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup/DesktopCommandLine.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(DesktopCommandLine, ReadsHelpVersionAndOneHistory) {
    struct Case {
        QStringList arguments;
        DesktopRequest request;
        QString history;
    };
    const Case cases[] = {
        {{}, DesktopRequest::Run, {}},
        {{QStringLiteral("lotto")}, DesktopRequest::Run, QStringLiteral("lotto")},
        {{QStringLiteral("/home/a/vtrmain.dat")}, DesktopRequest::Run, QStringLiteral("/home/a/vtrmain.dat")},
        {{QStringLiteral("--"), QStringLiteral("-odd name")},
         DesktopRequest::Run,
         QStringLiteral("-odd name")},
        {{QStringLiteral("--help")}, DesktopRequest::Help, {}},
        {{QStringLiteral("lotto"), QStringLiteral("-h")}, DesktopRequest::Help, {}},
        {{QStringLiteral("--version")}, DesktopRequest::Version, {}},
        {{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-v")},
         DesktopRequest::Version,
         {}},
        // Before Qt has taken out its own options they look unknown; help and version still win above.
        {{QStringLiteral("--bogus")}, DesktopRequest::Invalid, {}},
        {{QStringLiteral("a"), QStringLiteral("b")}, DesktopRequest::Invalid, {}},
        {{QStringLiteral("--"), QStringLiteral("--help")}, DesktopRequest::Run, QStringLiteral("--help")},
    };
    for (const Case& c : cases) {
        const DesktopCommandLine line = ParseDesktopCommandLine(c.arguments);
        const std::string shown = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(line.request, c.request) << shown;
        EXPECT_EQ(line.history, c.history) << shown;
        EXPECT_EQ(line.problem.isEmpty(), c.request != DesktopRequest::Invalid) << shown;
    }
}

} // namespace
} // namespace vantorel
