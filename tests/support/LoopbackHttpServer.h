// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

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

// A small HTTP/1.1 server on 127.0.0.1 and a port the system chooses, for tests that fetch. It answers
// each connection on a thread of its own, one request per connection, and closes it; paths without a
// reply get 404. Stops and joins its threads when destroyed.
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
    void AcceptConnections();
    void Answer(int connection);
    HttpReply ReplyFor(const ReceivedRequest& request) const;

    int listener_ = -1;
    int stopPipe_[2] = {-1, -1}; // written when the server stops: wakes every waiting thread
    int port_ = 0;
    mutable std::mutex mutex_;
    std::map<std::string, HttpReply> replies_;
    std::vector<ReceivedRequest> requests_;
    // The threads answering connections; finished ones are joined as new connections come.
    struct Connection {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };
    std::vector<Connection> connections_;
    std::thread acceptor_;
};

} // namespace vantorel::test
