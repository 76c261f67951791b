// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HttpValidators.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vantorel {

// How long a fetch waits for the connection to the server, and for the whole file, unless told otherwise.
inline constexpr std::chrono::seconds kFetchConnectTimeout{10};
inline constexpr std::chrono::seconds kFetchTotalTimeout{60};
// The longest a fetch may be told to take: a day. Shorter than a second counts as a second.
inline constexpr std::chrono::seconds kLongestFetchTimeout{24 * 60 * 60};
// The largest file a fetch takes, after any compression is undone. The same as the largest file that an
// import reads (store's kLargestImportFile; a test holds the two together, since this layer may not use
// the history store).
inline constexpr std::size_t kLargestFetchedFile = std::size_t{8} << 20;
// Redirections followed before a fetch gives up.
inline constexpr int kMostFetchRedirects = 5;

// One fetch of a results file over HTTP or HTTPS.
struct FetchRequest {
    std::string url = {}; // http:// or https://; other schemes are refused
    std::chrono::seconds connectTimeout = kFetchConnectTimeout;
    std::chrono::seconds totalTimeout = kFetchTotalTimeout;
    std::size_t bodyLimit = kLargestFetchedFile;
    // What the last successful fetch of this file returned; when not empty, the request is conditional
    // (If-None-Match / If-Modified-Since) and an unchanged file is answered "not modified" without a body.
    HttpValidators validators = {};
    std::string userAgent = "Vantorel";
};

// How far a fetch has come: bytes of the file received, and the size the server announced (0 when it
// did not say).
struct FetchProgress {
    std::int64_t received = 0;
    std::int64_t expected = 0;
};

// Called on the fetching thread (any thread) at least about once a second while a fetch runs, and when
// data arrive. Returning false cancels the fetch: it ends soon after with FetchFailure::kCancelled.
using FetchProgressCallback = std::function<bool(const FetchProgress&)>;

} // namespace vantorel
