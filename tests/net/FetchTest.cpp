// SPDX-License-Identifier: GPL-3.0-or-later
// Fetches from a server on the loopback address that each test starts itself; no other address is used.

#include "net/Fetch.h"
#include "net/CurlFailure.h"
#include "store/DataImport.h"

#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>

namespace vantorel::test {
namespace {

static_assert(kLargestFetchedFile == kLargestImportFile, "a fetched file must be importable");

constexpr std::string_view kEtag = "\"v2\"";
constexpr std::string_view kLastModified = "Tue, 07 Oct 2025 10:00:00 GMT";

class FetchTest : public ::testing::Test {
protected:
    FetchRequest RequestFor(std::string_view path) const {
        FetchRequest request;
        request.url = server_.Url(path);
        return request;
    }

    static HttpReply DataReply(std::string body = "Draw Date,Winning Numbers\n09/26/2020,1 2 3 4 5 6\n") {
        HttpReply reply;
        reply.body = std::move(body);
        reply.etag = kEtag;
        reply.lastModified = kLastModified;
        return reply;
    }

    LoopbackHttpServer server_;
};

TEST_F(FetchTest, PublishedFilesArriveByteForByteWithTheirValidators) {
    const std::pair<const char*, const char*> files[] = {
        {"shared/official/powerball-1997-2015.csv", "text/csv"},
        {"shared/official/ny-lotto-6-59.csv", "text/html; charset=utf-8"}, // mislabelled, still data
    };
    for (const auto& [name, contentType] : files) {
        SCOPED_TRACE(name);
        const std::string file = ReadFile(TestDataPath(name));
        HttpReply reply = DataReply(file);
        reply.contentType = contentType;
        server_.Serve("/rows.csv", reply);
        std::optional<FetchProgress> last;
        const FetchResult result = Fetch(RequestFor("/rows.csv"), [&last](const FetchProgress& progress) {
            last = progress;
            return true;
        });
        ASSERT_EQ(result.status, FetchStatus::kFetched) << result.message;
        EXPECT_EQ(result.body, file);
        EXPECT_EQ(result.httpStatus, 200);
        EXPECT_EQ(result.validators, (HttpValidators{std::string(kEtag), std::string(kLastModified)}));
        ASSERT_TRUE(last.has_value());
        EXPECT_EQ(last->received, static_cast<std::int64_t>(file.size()));
    }
}

TEST_F(FetchTest, ConditionalRequestsAskWhetherTheFileChanged) {
    struct Case {
        const char* name;
        HttpValidators sent;
        FetchStatus expected;
        const char* ifNoneMatch;     // header the server must see, nullptr: none
        const char* ifModifiedSince; // likewise
    };
    const std::string lastModified(kLastModified);
    const Case cases[] = {
        {"same tag", {"\"v2\"", ""}, FetchStatus::kNotModified, "\"v2\"", nullptr},
        {"same time", {"", lastModified}, FetchStatus::kNotModified, nullptr, lastModified.c_str()},
        {"old tag wins over same time",
         {"\"v1\"", lastModified},
         FetchStatus::kFetched,
         "\"v1\"",
         lastModified.c_str()},
        {"old tag", {"\"v1\"", ""}, FetchStatus::kFetched, "\"v1\"", nullptr},
        {"nothing kept", {}, FetchStatus::kFetched, nullptr, nullptr},
        {"a tag that would add a header is not sent",
         {"\"v2\"\r\nX-Added: 1", ""},
         FetchStatus::kFetched,
         nullptr,
         nullptr},
    };
    server_.Serve("/rows.csv", DataReply());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t before = server_.Requests().size();
        FetchRequest request = RequestFor("/rows.csv");
        request.validators = c.sent;
        const FetchResult result = Fetch(request);

        ASSERT_EQ(result.status, c.expected) << result.message;
        EXPECT_EQ(result.validators, (HttpValidators{std::string(kEtag), lastModified}));
        EXPECT_EQ(result.body.empty(), c.expected == FetchStatus::kNotModified);
        const auto requests = server_.Requests();
        ASSERT_EQ(requests.size(), before + 1); // one request, even when nothing changed
        const auto& headers = requests.back().headers;
        const auto header = [&headers](const char* name) {
            const auto found = headers.find(name);
            return found == headers.end() ? std::optional<std::string>() : found->second;
        };
        EXPECT_EQ(header("if-none-match"),
                  c.ifNoneMatch ? std::optional<std::string>(c.ifNoneMatch) : std::nullopt);
        EXPECT_EQ(header("if-modified-since"),
                  c.ifModifiedSince ? std::optional<std::string>(c.ifModifiedSince) : std::nullopt);
        EXPECT_FALSE(header("x-added").has_value());
    }
}

TEST_F(FetchTest, FailedFetchesSayWhatFailedAndKeepNothing) {
    struct Case {
        const char* name;
        std::function<void(LoopbackHttpServer&)> setUp; // serves /file
        std::function<void(FetchRequest&)> adjust;      // of the request for /file
        FetchFailure failure;
        const char* cause;
    };
    const auto serve = [](HttpReply reply) {
        return [reply](LoopbackHttpServer& server) {
            server.Serve("/file", reply);
        };
    };
    const auto status = [](int code) {
        HttpReply reply;
        reply.status = code;
        reply.body = "<html><body>error</body></html>";
        reply.contentType = "text/html";
        return reply;
    };
    const auto limitTo = [](std::size_t limit) {
        return [limit](FetchRequest& r) {
            r.bodyLimit = limit;
        };
    };
    const auto manner = [](HttpReply::Manner how, std::string body = std::string(1001, '1')) {
        HttpReply reply;
        reply.body = std::move(body);
        reply.manner = how;
        return reply;
    };
    HttpReply webPage;
    webPage.body = "Sign in below\n<!DOCTYPE html><html><body>Sign in</body></html>";
    webPage.contentType = "text/html; charset=utf-8";
    HttpReply unlabelledPage;
    unlabelledPage.body = "\xEF\xBB\xBF\r\n  <html><body>Portal</body></html>";
    unlabelledPage.contentType = "text/plain";
    HttpReply notModified;
    notModified.status = 304;
    const std::function<void(FetchRequest&)> asIs = [](FetchRequest&) {
    };

    const Case cases[] = {
        {"404", serve(status(404)), asIs, FetchFailure::kHttpStatus,
         "the server answered 404 (Not Found) instead of the file"},
        {"500", serve(status(500)), asIs, FetchFailure::kHttpStatus,
         "the server answered 500 (Internal Server Error) instead of the file"},
        {"a status without a known reason", serve(status(418)), asIs, FetchFailure::kHttpStatus,
         "the server answered 418 instead of the file"},
        {"304 to a request that asked nothing", serve(notModified), asIs, FetchFailure::kHttpStatus,
         "the server answered 304 (Not Modified) instead of the file"},
        {"web page", serve(webPage), asIs, FetchFailure::kWebPage,
         "the server sent a web page instead of a results file"},
        {"web page sent as text", serve(unlabelledPage), asIs, FetchFailure::kWebPage,
         "the server sent a web page instead of a results file"},
        {"truncated body", serve(manner(HttpReply::Manner::kTruncate)), asIs, FetchFailure::kTruncated,
         "the connection ended before the whole file arrived"},
        {"announced body over the limit", serve(manner(HttpReply::Manner::kAnswer)), limitTo(1000),
         FetchFailure::kTooLarge, "the file is too large (more than 1000 bytes)"},
        {"unannounced body over the limit", serve(manner(HttpReply::Manner::kUnsized)), limitTo(1000),
         FetchFailure::kTooLarge, "the file is too large (more than 1000 bytes)"},
        {"server that never answers", serve(manner(HttpReply::Manner::kNeverAnswer)),
         [](FetchRequest& r) { r.totalTimeout = std::chrono::seconds{1}; }, FetchFailure::kTimedOut,
         "the file did not arrive within 1 second"},
        {"six redirections",
         [](LoopbackHttpServer& server) {
             server.Serve("/data", DataReply());
             server.Redirect("/file", server.RedirectChain(5, "/data"));
         },
         asIs, FetchFailure::kTooManyRedirects, "the server redirected the request more than 5 times"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.setUp(server_);
        FetchRequest request = RequestFor("/file");
        c.adjust(request);
        const FetchResult result = Fetch(request);
        EXPECT_EQ(result.status, FetchStatus::kFailed);
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.message, "The results file could not be fetched from\n" + request.url + ":\n" +
                                      c.cause + ".\nNothing was changed.\n\nOPERATION ABORTED");
        EXPECT_TRUE(result.body.empty());
        EXPECT_TRUE(result.validators.empty());
    }
}

TEST_F(FetchTest, FiveRedirectionsAndAFileAtTheLimitArrive) {
    const std::string file = ReadFile(TestDataPath("shared/official/powerball-1997-2015.csv"));
    server_.Serve("/data.csv", DataReply(file));
    server_.Redirect("/moved", server_.Url(server_.RedirectChain(4, "/data.csv"))); // an absolute location
    FetchRequest request = RequestFor("/moved");
    request.bodyLimit = file.size();
    const FetchResult result = Fetch(request);
    ASSERT_EQ(result.status, FetchStatus::kFetched) << result.message;
    EXPECT_EQ(result.body, file);
    EXPECT_EQ(result.validators.etag, kEtag);
    EXPECT_EQ(server_.Requests().size(), 6u);
}

TEST_F(FetchTest, AddressesThatAreNotWebAddressesAreRefusedBeforeAnyConnection) {
    for (const std::string& url : {std::string("data.example/rows.csv"), std::string(""),
                                   "ftp://127.0.0.1:" + std::to_string(server_.port()) + "/rows.csv",
                                   std::string("file:///etc/hostname")}) {
        SCOPED_TRACE(url);
        const FetchResult result = Fetch(FetchRequest{.url = url});
        EXPECT_EQ(result.failure, FetchFailure::kBadAddress);
        EXPECT_EQ(result.message, "The results file could not be fetched from\n" + url +
                                      ":\nit is not a web address (http:// or https://).\nNothing was "
                                      "changed.\n\nOPERATION ABORTED");
    }
    EXPECT_TRUE(server_.Requests().empty());
}

TEST_F(FetchTest, ConnectionFailuresNameTheirCause) {
    int closedPort = 0;
    {
        const LoopbackHttpServer gone;
        closedPort = gone.port();
    }
    const FetchResult refused =
        Fetch(FetchRequest{.url = "http://127.0.0.1:" + std::to_string(closedPort) + "/"});
    EXPECT_EQ(refused.failure, FetchFailure::kConnectionRefused);
    EXPECT_NE(refused.message.find("\nthe server 127.0.0.1 refused the connection.\n"), std::string::npos)
        << refused.message;

    // TLS to a server that speaks plain HTTP: the handshake fails.
    FetchRequest secure;
    secure.url = "https://127.0.0.1:" + std::to_string(server_.port()) + "/rows.csv";
    secure.totalTimeout = std::chrono::seconds{10};
    const FetchResult tls = Fetch(secure);
    EXPECT_EQ(tls.failure, FetchFailure::kTls);
    EXPECT_NE(tls.message.find("\nthe secure connection to the server 127.0.0.1 failed\n("),
              std::string::npos)
        << tls.message;
}

TEST_F(FetchTest, CancellingStopsAFetchThatWaitsForAnAnswer) {
    HttpReply silent;
    silent.manner = HttpReply::Manner::kNeverAnswer;
    server_.Serve("/slow", silent);
    int calls = 0;
    const auto started = std::chrono::steady_clock::now();
    const FetchResult result =
        Fetch(RequestFor("/slow"), [&calls](const FetchProgress&) { return ++calls < 3; });
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds{10});
    EXPECT_EQ(result.failure, FetchFailure::kCancelled);
    EXPECT_EQ(calls, 3);
    EXPECT_NE(result.message.find("\nthe fetch was cancelled.\n"), std::string::npos);
}

// Failures that a loopback server cannot provoke: the transfer library's report is read like this.
TEST(FetchFailureTest, TransferErrorsNameTheirCause) {
    struct Case {
        CURLcode code;
        long osError;
        bool awaitingConnection;
        FetchFailure failure;
        const char* cause;
    };
    const Case cases[] = {
        {CURLE_COULDNT_RESOLVE_HOST, 0, true, FetchFailure::kHostNotFound,
         "the server data.ny.gov was not found\n(is the computer connected to the Internet?)"},
        {CURLE_COULDNT_CONNECT, ENETUNREACH, true, FetchFailure::kNoNetwork, "the network cannot be reached"},
        {CURLE_COULDNT_CONNECT, ECONNREFUSED, true, FetchFailure::kConnectionRefused,
         "the server data.ny.gov refused the connection"},
        {CURLE_COULDNT_CONNECT, ETIMEDOUT, true, FetchFailure::kNotConnected,
         "no connection could be made to the server data.ny.gov\n(detail)"},
        {CURLE_OPERATION_TIMEDOUT, 0, true, FetchFailure::kConnectTimedOut,
         "the server data.ny.gov did not answer within 10 seconds"},
        {CURLE_OPERATION_TIMEDOUT, 0, false, FetchFailure::kTimedOut,
         "the file did not arrive within 60 seconds"},
        {CURLE_PEER_FAILED_VERIFICATION, 0, false, FetchFailure::kTls,
         "the secure connection to the server data.ny.gov failed\n(detail)"},
        {CURLE_GOT_NOTHING, 0, false, FetchFailure::kConnectionLost,
         "the connection to the server data.ny.gov broke off"},
        {CURLE_OUT_OF_MEMORY, 0, false, FetchFailure::kOther, "the transfer failed\n(detail)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        const FetchFailure failure = FailureOfTransfer(c.code, c.osError, c.awaitingConnection);
        EXPECT_EQ(failure, c.failure);
        EXPECT_EQ(FetchFailureCause(failure, FetchRequest{}, {.host = "data.ny.gov", .detail = "detail"}),
                  c.cause);
    }
}

} // namespace
} // namespace vantorel::test
