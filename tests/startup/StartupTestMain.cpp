// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the start-up tests: a QCoreApplication for QProcess, and Qt's own paths moved away from the
// user's.

#include <QCoreApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
