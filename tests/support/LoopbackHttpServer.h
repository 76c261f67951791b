// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace httplib {
class Server;
}

namespace vantorel::test {

// What the server does with a request for one path.
struct HttpReply {
    enum class Manner {
        kAnswer,      // the whole answer
        kNeverAnswer, // reads the request and then waits, saying nothing, until the server stops
        kTruncate,    // announces the whole body but sends only its first half, then closes
        kUnsized,     // no Content-Length: the body ends where the connection closes
    };
    int status = 200;
    std::string body;
    std::string contentType = "text/csv";
    // When set, sent with the answer; a request that hands the same value back (If-None-Match, else
    // If-Modified-Since) is answered 304 without a body.
    std::string etag;
    std::string lastModified;
    std::vector<std::pair<std::string, std::string>> headers; // more headers, as given
    Manner manner = Manner::kAnswer;
};

// A request as the server received it; header names in lower case.
struct ReceivedRequest {
    std::string method;
    std::string path;
    std::map<std::string, std::string> headers;
};

// An HTTP server on 127.0.0.1 and a port the system chooses, for tests that fetch; paths without a reply
// get 404. It never compresses, so that lengths and cut bodies reach the client as set. Starting it tells
// the process to use no proxy. Stops when destroyed.
class LoopbackHttpServer final {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    void Serve(const std::string& path, HttpReply reply);
    // `path` redirects (302) to `location`.
    void Redirect(const std::string& path, const std::string& location, int status = 302);
    // `/hopN` .. `/hop1` each redirect to the next, and `/hop1` to `target`; returns the first path.
    std::string RedirectChain(int hops, const std::string& target);

    int port() const { return port_; }
    // "http://127.0.0.1:<port><path>"
    std::string Url(std::string_view path) const;
    std::vector<ReceivedRequest> Requests() const;

private:
    HttpReply Received(const ReceivedRequest& request);
    void WaitUntilStopped();

    std::unique_ptr<httplib::Server> server_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable stopping_;
    bool stopped_ = false;
    std::map<std::string, HttpReply> replies_;
    std::vector<ReceivedRequest> requests_;
    std::thread listener_;
};

} // namespace vantorel::test
