// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/FetchResult.h"

#include <array>
#include <utility>

namespace vantorel {
namespace {

std::string Seconds(std::chrono::seconds seconds) {
    const auto count = seconds.count();
    return std::to_string(count) + (count == 1 ? " second" : " seconds");
}

std::string Server(std::string_view host) {
    return host.empty() ? std::string("the server") : "the server " + std::string(host);
}

std::string WithDetail(std::string text, std::string_view detail) {
    if (!detail.empty()) {
        text += "\n(" + std::string(detail) + ")";
    }
    return text;
}

} // namespace

std::string FetchFailureMessage(std::string_view url, std::string_view cause) {
    return "The results file could not be fetched from\n" + std::string(url) + ":\n" + std::string(cause) +
           std::string(kFetchAbortedEnd);
}

std::string HttpStatusText(int status) {
    static constexpr std::array<std::pair<int, std::string_view>, 26> kReasons{{
        {200, "OK"},
        {204, "No Content"},
        {206, "Partial Content"},
        {300, "Multiple Choices"},
        {301, "Moved Permanently"},
        {302, "Found"},
        {303, "See Other"},
        {304, "Not Modified"},
        {307, "Temporary Redirect"},
        {308, "Permanent Redirect"},
        {400, "Bad Request"},
        {401, "Unauthorized"},
        {403, "Forbidden"},
        {404, "Not Found"},
        {405, "Method Not Allowed"},
        {406, "Not Acceptable"},
        {408, "Request Timeout"},
        {410, "Gone"},
        {429, "Too Many Requests"},
        {451, "Unavailable For Legal Reasons"},
        {500, "Internal Server Error"},
        {501, "Not Implemented"},
        {502, "Bad Gateway"},
        {503, "Service Unavailable"},
        {504, "Gateway Timeout"},
        {505, "HTTP Version Not Supported"},
    }};
    for (const auto& [code, reason] : kReasons) {
        if (code == status) {
            return std::to_string(status) + " (" + std::string(reason) + ")";
        }
    }
    return std::to_string(status);
}

std::string FetchFailureCause(FetchFailure failure, const FetchRequest& request, const FailureFacts& facts) {
    switch (failure) {
    case FetchFailure::kBadAddress:
        return "it is not a web address (http:// or https://)";
    case FetchFailure::kNoNetwork:
        return "the network cannot be reached";
    case FetchFailure::kHostNotFound:
        return Server(facts.host) + " was not found\n(is the computer connected to the Internet?)";
    case FetchFailure::kConnectionRefused:
        return Server(facts.host) + " refused the connection";
    case FetchFailure::kNotConnected:
        return WithDetail("no connection could be made to " + Server(facts.host), facts.detail);
    case FetchFailure::kTls:
        return WithDetail("the secure connection to " + Server(facts.host) + " failed", facts.detail);
    case FetchFailure::kHttpStatus:
        return "the server answered " + HttpStatusText(facts.httpStatus) + " instead of the file";
    case FetchFailure::kConnectTimedOut:
        return Server(facts.host) + " did not answer within " + Seconds(request.connectTimeout);
    case FetchFailure::kTimedOut:
        return "the file did not arrive within " + Seconds(request.totalTimeout);
    case FetchFailure::kTooLarge:
        return "the file is too large (more than " + std::to_string(request.bodyLimit) + " bytes)";
    case FetchFailure::kWebPage:
        return "the server sent a web page instead of a results file";
    case FetchFailure::kTruncated:
        return "the connection ended before the whole file arrived";
    case FetchFailure::kConnectionLost:
        return "the connection to " + Server(facts.host) + " broke off";
    case FetchFailure::kTooManyRedirects:
        return "the server redirected the request more than " + std::to_string(kMostFetchRedirects) +
               " times";
    case FetchFailure::kCancelled:
        return "the fetch was cancelled";
    case FetchFailure::kNone:
    case FetchFailure::kOther:
        break;
    }
    return WithDetail("the transfer failed", facts.detail);
}

} // namespace vantorel
