#pragma once

#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace qx71::test {

// A tiny HTTP/1.1 server on 127.0.0.1 (a free port) for download tests: one connection at a
// time, GET only, every answer closes its connection. Answers can be cut off, sent without a
// length, redirected, or held until the test releases them (a slow server without real waits).
class LoopbackHttpServer {
public:
    struct Response {
        int status = 200;
        std::string body;
        std::optional<size_t> cutAfter; // close after this many body bytes (length stays full)
        bool noLength = false;          // no Content-Length: the body ends with the connection
        std::string location;           // Location header of a redirect
        bool hold = false;              // answer only after Release()

        static Response Body(std::string body, int status = 200)
        {
            Response r;
            r.status = status;
            r.body = std::move(body);
            return r;
        }
        static Response Redirect(std::string to)
        {
            Response r;
            r.status = 302;
            r.location = std::move(to);
            return r;
        }
        Response Cut(size_t after) const
        {
            Response r = *this;
            r.cutAfter = after;
            return r;
        }
        Response WithoutLength() const
        {
            Response r = *this;
            r.noLength = true;
            return r;
        }
        Response Held() const
        {
            Response r = *this;
            r.hold = true;
            return r;
        }
    };

    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "http://127.0.0.1:<port>"
    std::string Base() const;
    std::string Url(const std::string& path) const { return Base() + path; }
    // Paths without a response get 404.
    void Set(const std::string& path, Response response);
    std::vector<std::string> Requests();
    // Waits until a held answer waits for Release().
    bool WaitHeld();
    void Release();

private:
    void Run();
    void Serve(int client);

    int listener_ = -1;
    int wake_[2] = {-1, -1};
    int port_ = 0;
    std::mutex mutex_;
    std::condition_variable cv_;
    std::map<std::string, Response> responses_;
    std::vector<std::string> requests_;
    bool held_ = false;
    bool released_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace qx71::test
