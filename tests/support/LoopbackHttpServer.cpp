// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace vantorel::test {
namespace {

constexpr std::size_t kLargestRequestHead = 64 * 1024;

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view ReasonOf(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 304:
        return "Not Modified";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// Waits until `socket` has data (or was closed by the peer): true; false when the server stops first.
bool WaitReadable(int socket, int stopReader) {
    pollfd waits[2] = {{socket, POLLIN, 0}, {stopReader, POLLIN, 0}};
    while (::poll(waits, 2, -1) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return (waits[1].revents & POLLIN) == 0;
}

void SendAll(int socket, std::string_view data) {
    while (!data.empty()) {
        const ssize_t sent = ::send(socket, data.data(), data.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return; // the client has gone: nothing more to say
        }
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
}

// A client that speaks TLS to this plain server starts with a handshake record.
bool StartsTlsHandshake(std::string_view head) {
    return !head.empty() && head.front() == '\x16';
}

// The request head (up to the blank line); empty when the client sent none before closing or stopping.
std::string ReadRequestHead(int socket, int stopReader) {
    std::string head;
    std::string chunk(4096, '\0');
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < kLargestRequestHead &&
           !StartsTlsHandshake(head)) {
        if (!WaitReadable(socket, stopReader)) {
            return {};
        }
        const ssize_t received = ::recv(socket, chunk.data(), chunk.size(), 0);
        if (received < 0 && errno == EINTR) {
            continue;
        }
        if (received <= 0) {
            return {};
        }
        head.append(chunk.data(), static_cast<std::size_t>(received));
    }
    return head;
}

ReceivedRequest ParseRequest(std::string_view head) {
    ReceivedRequest request;
    auto lineEnd = head.find("\r\n");
    const std::string_view requestLine = head.substr(0, lineEnd);
    const auto firstBlank = requestLine.find(' ');
    const auto secondBlank = requestLine.find(' ', firstBlank + 1);
    request.method = requestLine.substr(0, firstBlank);
    if (firstBlank != std::string_view::npos) {
        request.path = requestLine.substr(firstBlank + 1, secondBlank - firstBlank - 1);
    }
    while (lineEnd != std::string_view::npos) {
        head.remove_prefix(lineEnd + 2);
        lineEnd = head.find("\r\n");
        const std::string_view line = head.substr(0, lineEnd);
        const auto colon = line.find(':');
        if (colon != std::string_view::npos) {
            request.headers[Lowered(Trimmed(line.substr(0, colon)))] = Trimmed(line.substr(colon + 1));
        }
    }
    return request;
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

std::string AnswerHead(const HttpReply& reply, int status, bool withBody) {
    std::string head = "HTTP/1.1 " + std::to_string(status) + " " + std::string(ReasonOf(status)) + "\r\n";
    if (withBody) {
        head += "Content-Type: " + reply.contentType + "\r\n";
    }
    if (!reply.etag.empty()) {
        head += "ETag: " + reply.etag + "\r\n";
    }
    if (!reply.lastModified.empty()) {
        head += "Last-Modified: " + reply.lastModified + "\r\n";
    }
    for (const auto& [name, value] : reply.headers) {
        head += name + ": " + value + "\r\n";
    }
    if (withBody && reply.manner != HttpReply::Manner::kUnsized) {
        head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
    }
    return head + "Connection: close\r\n\r\n";
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    if (listener_ < 0 || ::bind(listener_, generic, length) != 0 || ::listen(listener_, 64) != 0 ||
        ::getsockname(listener_, generic, &length) != 0 || ::pipe2(stopPipe_, O_CLOEXEC) != 0) {
        if (listener_ >= 0) {
            ::close(listener_);
        }
        throw std::runtime_error("the loopback test server could not start");
    }
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread(&LoopbackHttpServer::AcceptConnections, this);
}

LoopbackHttpServer::~LoopbackHttpServer() {
    const char stop = 's';
    while (::write(stopPipe_[1], &stop, 1) < 0 && errno == EINTR) {
    }
    acceptor_.join();
    for (Connection& connection : connections_) {
        connection.thread.join();
    }
    ::close(listener_);
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
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

void LoopbackHttpServer::AcceptConnections() {
    while (WaitReadable(listener_, stopPipe_[0])) {
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            continue;
        }
        std::erase_if(connections_, [](Connection& answering) {
            if (!answering.finished->load()) {
                return false;
            }
            answering.thread.join();
            return true;
        });
        auto finished = std::make_shared<std::atomic<bool>>(false);
        connections_.push_back({std::thread([this, connection, finished] {
                                    Answer(connection);
                                    finished->store(true);
                                }),
                                finished});
    }
}

HttpReply LoopbackHttpServer::ReplyFor(const ReceivedRequest& request) const {
    const std::lock_guard guard(mutex_);
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

void LoopbackHttpServer::Answer(int connection) {
    const std::string head = ReadRequestHead(connection, stopPipe_[0]);
    if (StartsTlsHandshake(head)) {
        // As plain servers do: a plain answer, which the client's TLS layer cannot read.
        SendAll(connection, "HTTP/1.1 400 Bad Request\r\nConnection: close\r\nContent-Length: 0\r\n\r\n");
    } else if (!head.empty()) {
        const ReceivedRequest request = ParseRequest(head);
        {
            const std::lock_guard guard(mutex_);
            requests_.push_back(request);
        }
        const HttpReply reply = ReplyFor(request);
        if (reply.manner == HttpReply::Manner::kNeverAnswer) {
            std::string ignored(4096, '\0');
            while (WaitReadable(connection, stopPipe_[0]) &&
                   ::recv(connection, ignored.data(), ignored.size(), 0) > 0) {
            }
        } else if (reply.status == 200 && Matches(request, reply)) {
            SendAll(connection, AnswerHead(reply, 304, false));
        } else {
            const bool withBody = reply.status != 304 && (reply.status < 300 || reply.status >= 400);
            SendAll(connection, AnswerHead(reply, reply.status, withBody || !reply.body.empty()));
            const std::string_view body = reply.body;
            const bool truncate = reply.manner == HttpReply::Manner::kTruncate;
            SendAll(connection, truncate ? body.substr(0, body.size() / 2) : body);
        }
        ::shutdown(connection, SHUT_WR);
    }
    ::close(connection);
}

} // namespace vantorel::test
