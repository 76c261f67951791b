// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/FetchRequest.h"
#include "platform/HttpValidators.h"

#include <string>
#include <string_view>

namespace vantorel {

enum class FetchStatus {
    kFetched,     // the file arrived whole: `body` and the new `validators`
    kNotModified, // the server says the file has not changed since the validators sent (answer 304)
    kFailed,      // nothing usable arrived: `failure` and `message` say why
};

// Why a fetch failed, each with its own cause in the message.
enum class FetchFailure {
    kNone,
    kBadAddress,        // not an http:// or https:// address, or not an address at all
    kNoNetwork,         // the computer has no route to the network
    kHostNotFound,      // the server's name is not known (the name service found nothing)
    kConnectionRefused, // nothing listens at the server's port
    kNotConnected,      // any other failure to connect
    kTls,               // the secure connection could not be made (certificate, protocol)
    kHttpStatus,        // the server answered with a status other than 200 (or 304 to a conditional request)
    kConnectTimedOut,   // no connection within the connect timeout
    kTimedOut,          // the file did not arrive within the total timeout
    kTooLarge,          // the file is larger than the request's limit
    kWebPage,           // an HTML (or other markup) page came instead of data
    kTruncated,         // the connection ended before the whole announced file arrived
    kConnectionLost,    // the connection broke off while the server answered
    kTooManyRedirects,  // more redirections than kMostFetchRedirects
    kCancelled,         // the progress callback asked to stop
    kOther,             // anything else the transfer library reported
};

struct FetchResult {
    FetchStatus status = FetchStatus::kFailed;
    std::string body;          // the file, for kFetched
    HttpValidators validators; // for kFetched and kNotModified: what to send next time
    FetchFailure failure = FetchFailure::kNone;
    int httpStatus = 0;  // the final answer's status, 0 when none came
    std::string message; // for kFailed: one message ending "OPERATION ABORTED"
};

// Texts of the failure messages.
inline constexpr std::string_view kFetchAbortedEnd = ".\nNothing was changed.\n\nOPERATION ABORTED";

// "The results file could not be fetched from\n<url>:\n<cause>.\nNothing was changed.\n\nOPERATION ABORTED"
std::string FetchFailureMessage(std::string_view url, std::string_view cause);

// The cause a message names for a failure: "the server answered 404 (Not Found)", ... `host` names the
// server, `httpStatus` the answer, `request` gives the limits, `detail` is the transfer library's own text
// (for TLS failures and kOther).
struct FailureFacts {
    std::string_view host = {};
    int httpStatus = 0;
    std::string_view detail = {};
};
std::string FetchFailureCause(FetchFailure failure, const FetchRequest& request, const FailureFacts& facts);

// "404 (Not Found)": a status with its standard reason, or the number alone when it has none.
std::string HttpStatusText(int status);

} // namespace vantorel
