#include "support/LoopbackHttpServer.h"

#include "support/TaskQueue.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace qx71::test {

namespace {

constexpr int kRequestWaitMs = 5000;
constexpr size_t kMaxRequestBytes = 16 * 1024;

const char* Reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    default:
        return "Status";
    }
}

bool SendAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer()
{
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t length = sizeof addr;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &length) != 0 ||
        ::pipe2(wake_, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot start the loopback HTTP server");
    }
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Run(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    cv_.notify_all();
    const char byte = 0;
    (void)!::write(wake_[1], &byte, 1);
    thread_.join();
    ::close(listener_);
    ::close(wake_[0]);
    ::close(wake_[1]);
}

std::string LoopbackHttpServer::Base() const
{
    return "http://127.0.0.1:" + std::to_string(port_);
}

void LoopbackHttpServer::Set(const std::string& path, Response response)
{
    std::lock_guard lock(mutex_);
    responses_[path] = std::move(response);
}

std::vector<std::string> LoopbackHttpServer::Requests()
{
    std::lock_guard lock(mutex_);
    return requests_;
}

bool LoopbackHttpServer::WaitHeld()
{
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, kEventTimeout, [this] { return held_; });
}

void LoopbackHttpServer::Release()
{
    std::lock_guard lock(mutex_);
    released_ = true;
    cv_.notify_all();
}

void LoopbackHttpServer::Run()
{
    for (;;) {
        pollfd fds[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) {
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        if (fds[0].revents & POLLIN) {
            const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0) {
                Serve(client);
                ::close(client);
            }
        }
    }
}

void LoopbackHttpServer::Serve(int client)
{
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequestBytes) {
        pollfd fd{client, POLLIN, 0};
        if (::poll(&fd, 1, kRequestWaitMs) <= 0) {
            return;
        }
        const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return;
        }
        request.append(buffer, static_cast<size_t>(n));
    }
    // "GET /path HTTP/1.1"
    const size_t start = request.find(' ');
    const size_t end = request.find(' ', start + 1);
    if (start == std::string::npos || end == std::string::npos) {
        return;
    }
    const std::string path = request.substr(start + 1, end - start - 1);

    Response response = Response::Body("not found", 404);
    {
        std::unique_lock lock(mutex_);
        requests_.push_back(path);
        if (auto it = responses_.find(path); it != responses_.end()) {
            response = it->second;
        }
        if (response.hold) {
            held_ = true;
            cv_.notify_all();
            cv_.wait(lock, [this] { return released_ || stopping_; });
            held_ = false;
            released_ = false;
            if (stopping_) {
                return;
            }
        }
    }

    std::string head = "HTTP/1.1 " + std::to_string(response.status) + " " +
                       Reason(response.status) + "\r\nConnection: close\r\n";
    if (!response.noLength) {
        head += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    }
    if (!response.location.empty()) {
        head += "Location: " + response.location + "\r\n";
    }
    head += "\r\n";
    const size_t sent = std::min(response.body.size(), response.cutAfter.value_or(SIZE_MAX));
    if (SendAll(client, head.data(), head.size())) {
        SendAll(client, response.body.data(), sent);
    }
}

} // namespace qx71::test
