// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vantorel {

// "VanTorel Advises You To Abort": warns that a new import would put a second line of a history that the
// file already holds before the old one. True when the user chooses "Continue"; "Abort Now" is the
// default button, and closing the dialog aborts too.
bool ContinueOverExistingHistory(QWidget* parent);

} // namespace vantorel
