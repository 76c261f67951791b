// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/CurlFailure.h"

#include <cerrno>

namespace vantorel {
namespace {

FetchFailure FailureOfConnect(long osError) {
    switch (osError) {
    case ECONNREFUSED:
        return FetchFailure::kConnectionRefused;
    case ENETUNREACH:
    case ENETDOWN:
    case EHOSTUNREACH:
        return FetchFailure::kNoNetwork;
    default:
        return FetchFailure::kNotConnected;
    }
}

bool IsTlsError(CURLcode code) {
    switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CLIENTCERT:
    case CURLE_USE_SSL_FAILED:
        return true;
    default:
        return false;
    }
}

} // namespace

FetchFailure FailureOfTransfer(CURLcode code, long osError, bool awaitingConnection) {
    if (IsTlsError(code)) {
        return FetchFailure::kTls;
    }
    switch (code) {
    case CURLE_OK:
        return FetchFailure::kNone;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return FetchFailure::kBadAddress;
    case CURLE_COULDNT_RESOLVE_HOST:
        return FetchFailure::kHostNotFound;
    case CURLE_COULDNT_CONNECT:
        return FailureOfConnect(osError);
    case CURLE_OPERATION_TIMEDOUT:
        return awaitingConnection ? FetchFailure::kConnectTimedOut : FetchFailure::kTimedOut;
    case CURLE_FILESIZE_EXCEEDED:
        return FetchFailure::kTooLarge;
    case CURLE_PARTIAL_FILE:
        return FetchFailure::kTruncated;
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
        return FetchFailure::kConnectionLost;
    case CURLE_TOO_MANY_REDIRECTS:
        return FetchFailure::kTooManyRedirects;
    case CURLE_ABORTED_BY_CALLBACK:
        return FetchFailure::kCancelled;
    default:
        return FetchFailure::kOther;
    }
}

} // namespace vantorel
