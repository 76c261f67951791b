// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/FetchRequest.h"
#include "net/FetchResult.h"

#include <functional>

namespace vantorel {

// Fetches the file at `request.url` over HTTP or HTTPS (checked against the system's certificates),
// following at most kMostFetchRedirects redirections. Blocks until the file has arrived, the fetch failed
// or `progress` cancelled it; runs on any thread, and several fetches may run at once. A fetch only reads
// from the network: it writes no file and shows no message, its result says what happened.
FetchResult Fetch(const FetchRequest& request, const FetchProgressCallback& progress = {});

// A function that fetches like Fetch, for callers that let tests put a stand-in in its place.
using Fetcher = std::function<FetchResult(const FetchRequest&, const FetchProgressCallback&)>;

} // namespace vantorel
