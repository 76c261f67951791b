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
    static GameSettings FirstRunSettings() {
        GameSettings settings;
        settings.fiveNumberMax = 26;
        settings.sixNumberMax = 49;
        settings.powerballGroup1Max = 49;
        settings.powerballGroup2Max = 42;
        settings.powerballBalls = 5;
        return settings;
    }

    std::string History() const { return ReadFile(std::string(kHistoryFileName)); }
    void SetHistory(std::string_view content) const { WriteFile(std::string(kHistoryFileName), content); }
    std::vector<std::string> Messages() const { return messages.texts(); }

    // The names of the files in the working directory, sorted.
    std::vector<std::string> FilesInDirectory() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(directory.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempWorkingDir directory;
    RecordingMessageSink messages;
    ScopedMessageSink installed{messages};
    GameSettings settings = FirstRunSettings();
};

} // namespace vantorel::test
