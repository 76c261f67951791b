// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/Fetch.h"

#include "net/CurlFailure.h"
#include "net/CurlLibrary.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <string_view>

namespace vantorel {
namespace {

constexpr long kHttpOk = 200;
constexpr long kHttpNotModified = 304;

struct EasyHandleCleanup {
    void operator()(CURL* handle) const { Curl().easyCleanup(handle); }
};
using EasyHandle = std::unique_ptr<CURL, EasyHandleCleanup>;

struct HeaderListCleanup {
    void operator()(curl_slist* list) const { Curl().slistFreeAll(list); }
};
using HeaderList = std::unique_ptr<curl_slist, HeaderListCleanup>;

struct UrlCleanup {
    void operator()(CURLU* url) const { Curl().urlCleanup(url); }
};

struct TextCleanup {
    void operator()(char* text) const { Curl().free(text); }
};

// What the callbacks of one transfer collect.
struct Transfer {
    CURL* handle = nullptr;
    std::size_t bodyLimit = 0;
    const FetchProgressCallback* progress = nullptr;
    std::string body;
    HttpValidators validators; // of the latest answer's headers
    bool tooLarge = false;
    bool awaitingConnection = false; // a socket is made and the request has not gone out yet
};

long ResponseCode(CURL* handle) {
    long code = 0;
    Curl().easyGetinfo(handle, CURLINFO_RESPONSE_CODE, &code);
    return code;
}

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameNameIgnoringCase(std::string_view left, std::string_view right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::string_view line(data, size * count);
    if (line.starts_with("HTTP/")) {
        // A new answer (after a redirection, say): only the last one's validators count.
        transfer.validators = {};
        return line.size();
    }
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) {
        return line.size();
    }
    const std::string_view name = Trimmed(line.substr(0, colon));
    const std::string_view value = Trimmed(line.substr(colon + 1));
    if (SameNameIgnoringCase(name, "ETag")) {
        transfer.validators.etag = value;
    } else if (SameNameIgnoringCase(name, "Last-Modified")) {
        transfer.validators.lastModified = value;
    }
    return line.size();
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t length = size * count;
    if (ResponseCode(transfer.handle) != kHttpOk) {
        return length; // the body of an error answer is not kept
    }
    if (length > transfer.bodyLimit - transfer.body.size()) {
        transfer.tooLarge = true;
        return 0; // stops the transfer
    }
    if (transfer.body.empty()) {
        curl_off_t announced = -1;
        Curl().easyGetinfo(transfer.handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        if (announced > 0) {
            transfer.body.reserve(std::min(static_cast<std::size_t>(announced), transfer.bodyLimit));
        }
    }
    transfer.body.append(data, length);
    return length;
}

int OnProgress(void* user, curl_off_t expected, curl_off_t received, curl_off_t, curl_off_t) {
    const auto& transfer = *static_cast<const Transfer*>(user);
    const bool goOn = (*transfer.progress)(FetchProgress{received, expected});
    return goOn ? 0 : 1;
}

int OnSocketMade(void* user, curl_socket_t, curlsocktype) {
    static_cast<Transfer*>(user)->awaitingConnection = true;
    return CURL_SOCKOPT_OK;
}

int OnRequestReady(void* user, char*, char*, int, int) {
    static_cast<Transfer*>(user)->awaitingConnection = false;
    return CURL_PREREQFUNC_OK;
}

// A validator goes into a request header only when it is one line of visible text (a hand-edited file
// must not add headers of its own).
bool FitsInHeader(std::string_view value) {
    return !value.empty() && std::all_of(value.begin(), value.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte != 0x7f;
    });
}

HeaderList ConditionalHeaders(const HttpValidators& validators) {
    curl_slist* list = nullptr;
    const auto add = [&list](const std::string& line) {
        if (curl_slist* longer = Curl().slistAppend(list, line.c_str())) {
            list = longer;
        }
    };
    if (FitsInHeader(validators.etag)) {
        add("If-None-Match: " + validators.etag);
    }
    if (FitsInHeader(validators.lastModified)) {
        add("If-Modified-Since: " + validators.lastModified);
    }
    return HeaderList(list);
}

bool IsConditional(const HttpValidators& validators) {
    return FitsInHeader(validators.etag) || FitsInHeader(validators.lastModified);
}

std::string HostOf(const char* url) {
    std::unique_ptr<CURLU, UrlCleanup> parsed(Curl().url());
    if (!parsed || url == nullptr || Curl().urlSet(parsed.get(), CURLUPART_URL, url, 0) != CURLUE_OK) {
        return {};
    }
    char* host = nullptr;
    if (Curl().urlGet(parsed.get(), CURLUPART_HOST, &host, 0) != CURLUE_OK) {
        return {};
    }
    const std::unique_ptr<char, TextCleanup> owned(host);
    return owned.get();
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

// A results file is text, CSV or JSON; a page of markup (a sign-in or error page, a portal) is not. A page
// starts with a tag; one that says it is HTML and has a page's tags near its start counts too, while a
// data file that a server merely labels HTML is kept.
bool IsWebPage(const char* contentType, std::string_view body) {
    if (body.starts_with("\xEF\xBB\xBF")) {
        body.remove_prefix(3);
    }
    const auto first = body.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && body[first] == '<') {
        return true;
    }
    const std::string type =
        Lowered(contentType == nullptr ? std::string_view() : std::string_view(contentType));
    if (!type.starts_with("text/html") && !type.starts_with("application/xhtml+xml")) {
        return false;
    }
    constexpr std::size_t kPageStart = 1024;
    const std::string start = Lowered(body.substr(0, kPageStart));
    return start.find("<!doctype html") != std::string::npos || start.find("<html") != std::string::npos ||
           start.find("<head") != std::string::npos || start.find("<body") != std::string::npos;
}

// Only addresses that name their scheme are fetched: libcurl would guess one for a bare name.
bool IsWebAddress(std::string_view url) {
    return SameNameIgnoringCase(url.substr(0, 7), "http://") ||
           SameNameIgnoringCase(url.substr(0, 8), "https://");
}

std::chrono::seconds Bounded(std::chrono::seconds timeout) {
    return std::clamp(timeout, std::chrono::seconds{1}, kLongestFetchTimeout);
}

void SetOptions(CURL* handle, const FetchRequest& request, Transfer& transfer, curl_slist* headers,
                std::string& errorText) {
    Curl().easySetopt(handle, CURLOPT_URL, request.url.c_str());
    Curl().easySetopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    Curl().easySetopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    Curl().easySetopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    Curl().easySetopt(handle, CURLOPT_MAXREDIRS, static_cast<long>(kMostFetchRedirects));
    Curl().easySetopt(handle, CURLOPT_CONNECTTIMEOUT, static_cast<long>(request.connectTimeout.count()));
    Curl().easySetopt(handle, CURLOPT_TIMEOUT, static_cast<long>(request.totalTimeout.count()));
    Curl().easySetopt(handle, CURLOPT_NOSIGNAL, 1L);
    Curl().easySetopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    Curl().easySetopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    Curl().easySetopt(handle, CURLOPT_ACCEPT_ENCODING, ""); // every compression libcurl can undo
    Curl().easySetopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(request.bodyLimit));
    Curl().easySetopt(handle, CURLOPT_USERAGENT, request.userAgent.c_str());
    Curl().easySetopt(handle, CURLOPT_ERRORBUFFER, errorText.data());
    Curl().easySetopt(handle, CURLOPT_HTTPHEADER, headers);
    Curl().easySetopt(handle, CURLOPT_HEADERFUNCTION, &OnHeader);
    Curl().easySetopt(handle, CURLOPT_HEADERDATA, &transfer);
    Curl().easySetopt(handle, CURLOPT_WRITEFUNCTION, &OnBody);
    Curl().easySetopt(handle, CURLOPT_WRITEDATA, &transfer);
    Curl().easySetopt(handle, CURLOPT_SOCKOPTFUNCTION, &OnSocketMade);
    Curl().easySetopt(handle, CURLOPT_SOCKOPTDATA, &transfer);
    Curl().easySetopt(handle, CURLOPT_PREREQFUNCTION, &OnRequestReady);
    Curl().easySetopt(handle, CURLOPT_PREREQDATA, &transfer);
    if (*transfer.progress) {
        Curl().easySetopt(handle, CURLOPT_NOPROGRESS, 0L);
        Curl().easySetopt(handle, CURLOPT_XFERINFOFUNCTION, &OnProgress);
        Curl().easySetopt(handle, CURLOPT_XFERINFODATA, &transfer);
    }
}

FetchResult Failed(const FetchRequest& request, FetchFailure failure, const FailureFacts& facts) {
    FetchResult result;
    result.failure = failure;
    result.httpStatus = facts.httpStatus;
    result.message = FetchFailureMessage(request.url, FetchFailureCause(failure, request, facts));
    return result;
}

// The result of a transfer that libcurl finished without error.
FetchResult Finished(const FetchRequest& request, Transfer& transfer, long status, const char* contentType) {
    FetchResult result;
    result.httpStatus = static_cast<int>(status);
    if (status == kHttpNotModified && IsConditional(request.validators)) {
        result.status = FetchStatus::kNotModified;
        result.validators = request.validators;
        if (!transfer.validators.etag.empty()) {
            result.validators.etag = transfer.validators.etag;
        }
        if (!transfer.validators.lastModified.empty()) {
            result.validators.lastModified = transfer.validators.lastModified;
        }
        return result;
    }
    if (status != kHttpOk) {
        return Failed(request, FetchFailure::kHttpStatus, {.httpStatus = result.httpStatus});
    }
    if (IsWebPage(contentType, transfer.body)) {
        return Failed(request, FetchFailure::kWebPage, {.httpStatus = result.httpStatus});
    }
    result.status = FetchStatus::kFetched;
    result.body = std::move(transfer.body);
    result.validators = std::move(transfer.validators);
    return result;
}

} // namespace

FetchResult Fetch(const FetchRequest& asked, const FetchProgressCallback& progress) {
    FetchRequest request = asked;
    request.connectTimeout = std::min(Bounded(request.connectTimeout), Bounded(request.totalTimeout));
    request.totalTimeout = Bounded(request.totalTimeout);

    if (!IsWebAddress(request.url)) {
        return Failed(request, FetchFailure::kBadAddress, {});
    }
    if (!Curl().problem.empty()) {
        return Failed(request, FetchFailure::kOther, {.detail = Curl().problem});
    }
    const EasyHandle handle(Curl().easyInit());
    if (!handle) {
        return Failed(request, FetchFailure::kOther, {.detail = "the transfer library could not start"});
    }
    Transfer transfer;
    transfer.handle = handle.get();
    transfer.bodyLimit = request.bodyLimit;
    transfer.progress = &progress;
    const HeaderList headers = ConditionalHeaders(request.validators);
    std::string errorText(CURL_ERROR_SIZE, '\0');
    SetOptions(handle.get(), request, transfer, headers.get(), errorText);

    const CURLcode code = Curl().easyPerform(handle.get());
    const long status = ResponseCode(handle.get());
    char* contentType = nullptr;
    Curl().easyGetinfo(handle.get(), CURLINFO_CONTENT_TYPE, &contentType);
    if (code == CURLE_OK) {
        return Finished(request, transfer, status, contentType);
    }

    char* lastUrl = nullptr;
    Curl().easyGetinfo(handle.get(), CURLINFO_EFFECTIVE_URL, &lastUrl);
    long osError = 0;
    Curl().easyGetinfo(handle.get(), CURLINFO_OS_ERRNO, &osError);
    const std::string host = HostOf(lastUrl != nullptr ? lastUrl : request.url.c_str());
    errorText.resize(std::min(errorText.find('\0'), errorText.size()));
    const FailureFacts facts{.host = host,
                             .httpStatus = static_cast<int>(status),
                             .detail = errorText.empty() ? std::string_view(Curl().easyStrerror(code))
                                                         : std::string_view(errorText)};

    FetchFailure failure = transfer.tooLarge ? FetchFailure::kTooLarge
                                             : FailureOfTransfer(code, osError, transfer.awaitingConnection);
    // An error answer that broke off or was too large is reported by its status: that is what went wrong.
    const bool errorAnswer = status != 0 && status != kHttpOk && status != kHttpNotModified;
    if (errorAnswer && (failure == FetchFailure::kTruncated || failure == FetchFailure::kConnectionLost ||
                        failure == FetchFailure::kTooLarge)) {
        failure = FetchFailure::kHttpStatus;
    }
    return Failed(request, failure, facts);
}

} // namespace vantorel
