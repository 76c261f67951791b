// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/LoopbackHttpServer.h"

#include <httplib.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace vantorel::test {
namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool Matches(const ReceivedRequest& request, const HttpReply& reply) {
    const auto etag = request.headers.find("if-none-match");
    if (etag != request.headers.end()) {
        return !reply.etag.empty() && etag->second == reply.etag;
    }
    const auto since = request.headers.find("if-modified-since");
    return since != request.headers.end() && !reply.lastModified.empty() &&
           since->second == reply.lastModified;
}

void Answer(const HttpReply& reply, httplib::Response& response) {
    response.status = reply.status;
    for (const auto& [name, value] : reply.headers) {
        response.set_header(name, value);
    }
    if (!reply.etag.empty()) {
        response.set_header("ETag", reply.etag);
    }
    if (!reply.lastModified.empty()) {
        response.set_header("Last-Modified", reply.lastModified);
    }
    const std::string body = reply.body;
    switch (reply.manner) {
    case HttpReply::Manner::kTruncate:
        response.set_content_provider(body.size(), reply.contentType,
                                      [body](std::size_t, std::size_t, httplib::DataSink& sink) {
                                          sink.write(body.data(), body.size() / 2);
                                          return false; // closes the connection
                                      });
        break;
    case HttpReply::Manner::kUnsized:
        response.set_content_provider(reply.contentType, [body](std::size_t, httplib::DataSink& sink) {
            sink.write(body.data(), body.size());
            sink.done();
            return true;
        });
        break;
    default:
        if (!body.empty()) {
            response.set_content(body, reply.contentType);
        }
    }
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer() : server_(std::make_unique<httplib::Server>()) {
    // A proxy named in the environment must not see the tests' requests.
    ::setenv("no_proxy", "*", 1);
    ::setenv("NO_PROXY", "*", 1);
    server_->set_keep_alive_max_count(1);
    server_->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        ReceivedRequest received{request.method, request.path, {}};
        for (const auto& [name, value] : request.headers) {
            received.headers[Lowered(name)] = value;
        }
        // The client asks for compression; the server answers with the bytes as set. The request is the
        // server's own object, handed over as const.
        const_cast<httplib::Request&>(request).headers.erase("Accept-Encoding");
        const HttpReply reply = Received(received);
        if (reply.manner == HttpReply::Manner::kNeverAnswer) {
            WaitUntilStopped();
            response.set_header("Connection", "close");
            response.status = 503;
        } else if (reply.status == 200 && Matches(received, reply)) {
            HttpReply unchanged = reply;
            unchanged.status = 304;
            unchanged.body.clear();
            Answer(unchanged, response);
        } else {
            Answer(reply, response);
        }
        return httplib::Server::HandlerResponse::Handled;
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) {
        throw std::runtime_error("the loopback test server could not start");
    }
    listener_ = std::thread([this] { server_->listen_after_bind(); });
    // Stopping works only on a server that listens: wait for it.
    while (!server_->is_running()) {
        std::this_thread::yield();
    }
}

LoopbackHttpServer::~LoopbackHttpServer() {
    {
        const std::lock_guard guard(mutex_);
        stopped_ = true;
    }
    stopping_.notify_all();
    server_->stop();
    listener_.join();
}

void LoopbackHttpServer::Serve(const std::string& path, HttpReply reply) {
    const std::lock_guard guard(mutex_);
    replies_[path] = std::move(reply);
}

void LoopbackHttpServer::Redirect(const std::string& path, const std::string& location, int status) {
    HttpReply reply;
    reply.status = status;
    reply.headers.emplace_back("Location", location);
    Serve(path, std::move(reply));
}

std::string LoopbackHttpServer::RedirectChain(int hops, const std::string& target) {
    std::string next = target;
    for (int hop = 1; hop <= hops; ++hop) {
        const std::string path = "/hop" + std::to_string(hop);
        Redirect(path, next);
        next = path;
    }
    return next;
}

std::string LoopbackHttpServer::Url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<ReceivedRequest> LoopbackHttpServer::Requests() const {
    const std::lock_guard guard(mutex_);
    return requests_;
}

HttpReply LoopbackHttpServer::Received(const ReceivedRequest& request) {
    const std::lock_guard guard(mutex_);
    requests_.push_back(request);
    const auto found = replies_.find(request.path);
    if (found != replies_.end()) {
        return found->second;
    }
    HttpReply missing;
    missing.status = 404;
    missing.body = "no such file\n";
    missing.contentType = "text/plain";
    return missing;
}

void LoopbackHttpServer::WaitUntilStopped() {
    std::unique_lock lock(mutex_);
    stopping_.wait(lock, [this] { return stopped_; });
}

} // namespace vantorel::test
