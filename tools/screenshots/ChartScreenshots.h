// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDir;

namespace vantorel {

class Clock;
class VantorelApp;
class ProfileStore;

namespace tools {

// Saves what the main window shows for every chart, on the history file of the current directory, at the
// default window size and filling the screen: the digit charts from the operations sheet as a user runs
// it, the lotto charts from the lotto operations on the same history. Needs a real display.
void SaveChartPictures(VantorelApp& app, ProfileStore& profile, const Clock& clock, const QDir& directory);

} // namespace tools
} // namespace vantorel
