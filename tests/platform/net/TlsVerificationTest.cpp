// The downloader verifies the server's certificate: an https server on 127.0.0.1 whose
// certificate is self-signed (made for this test) is refused with a TLS failure, and the old
// file stays as it was. The server is Python's ssl module, the certificate openssl's.
#include "platform/net/CurlDownloader.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace qx71 {
namespace {

using test::RunProgram;
using test::TempDir;

constexpr DownloadLimits kLimits{5000, 20000, 1000};
constexpr const char* kBody = "<update><firmware><current>14</current></firmware></update>";

// Answers every request on its port with kBody over TLS, until it is killed.
constexpr const char* kServerScript = R"(import socket, ssl, sys
ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
ctx.load_cert_chain(sys.argv[1], sys.argv[2])
body = sys.argv[3].encode()
s = socket.socket()
s.bind(("127.0.0.1", 0))
s.listen(8)
print(s.getsockname()[1], flush=True)
while True:
    c, _ = s.accept()
    try:
        t = ctx.wrap_socket(c, server_side=True)
        t.recv(65536)
        t.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: %d\r\nConnection: close\r\n\r\n" % len(body) + body)
        t.close()
    except Exception:
        c.close()
)";

std::string Quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

// A throwaway certificate for 127.0.0.1, and the server that presents it.
class SelfSignedServer {
public:
    explicit SelfSignedServer(const TempDir& tmp) : tmp_(tmp) {}
    ~SelfSignedServer()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    SelfSignedServer(const SelfSignedServer&) = delete;
    SelfSignedServer& operator=(const SelfSignedServer&) = delete;

    bool MakeCertificate()
    {
        const test::RunResult made =
            RunProgram("openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1"
                       " -addext subjectAltName=IP:127.0.0.1 -keyout " +
                           Quoted(Key()) + " -out " + Quoted(Certificate()),
                       tmp_.path());
        return made.exitCode == 0;
    }

    // Starts the server and reads the port it listens on. False when it did not start.
    bool Start()
    {
        const std::filesystem::path script = tmp_ / "server.py";
        test::WriteText(script, kServerScript);
        int out[2];
        if (::pipe(out) != 0) {
            return false;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            const std::string python = "python3";
            const std::string scriptPath = script.string();
            const std::string cert = Certificate().string();
            const std::string key = Key().string();
            ::execlp(python.c_str(), python.c_str(), scriptPath.c_str(), cert.c_str(), key.c_str(),
                     kBody, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        if (pid_ < 0) {
            ::close(out[0]);
            return false;
        }
        std::string line;
        char c = 0;
        while (::read(out[0], &c, 1) == 1 && c != '\n') {
            line.push_back(c);
        }
        ::close(out[0]);
        port_ = std::atoi(line.c_str());
        return port_ > 0;
    }

    std::string Address() const { return "https://127.0.0.1:" + std::to_string(port_) + "/u.xml"; }
    std::filesystem::path Certificate() const { return tmp_ / "cert.pem"; }
    std::filesystem::path Key() const { return tmp_ / "key.pem"; }

private:
    const TempDir& tmp_;
    pid_t pid_ = -1;
    int port_ = 0;
};

TEST(TlsVerification, SelfSignedCertificateIsATlsFailureAndTheOldFileStays)
{
    TempDir tmp;
    SelfSignedServer server(tmp);
    ASSERT_TRUE(server.MakeCertificate());
    ASSERT_TRUE(server.Start());

    // The server works for a client that trusts its certificate.
    const test::RunResult trusted =
        RunProgram("python3 -c \"import ssl, sys, urllib.request; "
                   "ctx = ssl.create_default_context(cafile=sys.argv[1]); "
                   "print(urllib.request.urlopen(sys.argv[2], context=ctx).read().decode())\" " +
                       Quoted(server.Certificate()) + " " + server.Address(),
                   tmp.path());
    ASSERT_EQ(trusted.exitCode, 0) << trusted.err;
    EXPECT_EQ(trusted.out, std::string(kBody) + "\n");

    // The downloader trusts only the system's authorities.
    const std::filesystem::path target = tmp / "update.xml";
    test::WriteText(target, "old file");
    CurlDownloader downloader;
    const DownloadResult result = downloader.Download(server.Address(), target, kLimits);
    EXPECT_EQ(result.error, DownloadError::Tls) << result.detail;
    const auto bytes = test::ReadAll(target);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old file");
}

} // namespace
} // namespace qx71
