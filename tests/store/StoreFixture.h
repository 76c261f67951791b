#pragma once

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "store/HistoryFile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vantorel::test {

// A fresh working directory, a recording message sink and the first-run game settings for every test.
class StoreFixture : public ::testing::Test {
protected:
    std::string History() const { return ReadFile(std::string(kHistoryFileName)); }
    void SetHistory(std::string_view content) const { WriteFile(std::string(kHistoryFileName), content); }
    std::vector<std::string> Messages() const { return messages.texts(); }
    static bool WorkFilesLeft() { return WorkFilesLeftIn("."); }

    TempWorkingDir directory;
    RecordingMessageSink messages;
    ScopedMessageSink installed{messages};
    GameSettings settings{26, 49, 49, 42, 5};
};

} // namespace vantorel::test
