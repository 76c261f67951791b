// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/FetchResult.h"

#include <curl/curl.h>

namespace vantorel {

// The failure that a transfer error of libcurl stands for. `osError` is the system's error number of the
// last failed connect (0 when none); `awaitingConnection` says whether the transfer was still connecting
// when it stopped, which tells a connect timeout from a slow file.
FetchFailure FailureOfTransfer(CURLcode code, long osError, bool awaitingConnection);

} // namespace vantorel
