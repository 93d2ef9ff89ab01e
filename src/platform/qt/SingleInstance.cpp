#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace qx71 {

namespace {

constexpr char kShowRequest[] = "show\n";
// The first copy may hold the lock but not listen yet: a few tries before giving up.
constexpr int kConnectTries = 5;
constexpr unsigned long kRetryWaitMs = 200;
constexpr int kListenBacklog = 8;
// A client that sends this much without a request is not one of ours.
constexpr size_t kMaxPendingBytes = 64;
constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

// The socket's address; false when the path does not fit into one.
bool SocketAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool SendAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

// Only a copy of the same user may ask for the window.
bool SameUser(int fd)
{
    ucred peer{};
    socklen_t length = sizeof(peer);
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           peer.uid == ::geteuid();
}

} // namespace

struct SingleInstance::Client {
    int fd = -1;
    std::string pending;
    std::unique_ptr<QSocketNotifier> notifier;
};

QString SingleInstance::DefaultName()
{
    return QStringLiteral("QX71Driver.exe-%1").arg(getuid());
}

SingleInstance::SingleInstance(QString name)
{
    const QString base = QDir::temp().filePath(name.isEmpty() ? DefaultName() : name);
    socketPath_ = QFile::encodeName(base).toStdString();
    lockPath_ = socketPath_ + ".lock";
}

SingleInstance::~SingleInstance()
{
    for (const std::unique_ptr<Client>& client : clients_) {
        client->notifier.reset();
        ::close(client->fd);
    }
    serverNotifier_.reset();
    if (serverFd_ >= 0) {
        ::close(serverFd_);
        ::unlink(socketPath_.c_str());
    }
    // Closing lets go of the lock. The file stays: removing it could let two copies lock two
    // different files of one name.
    if (lockFd_ >= 0) {
        ::close(lockFd_);
    }
}

bool SingleInstance::AskRunningCopy() const
{
    sockaddr_un address{};
    if (!SocketAddress(socketPath_, address)) {
        return false;
    }
    for (int attempt = 0; attempt < kConnectTries; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return false;
        }
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
            const bool sent = SendAll(fd, kShowRequest, sizeof(kShowRequest) - 1);
            ::close(fd);
            return sent;
        }
        ::close(fd);
        QThread::msleep(kRetryWaitMs);
    }
    return false;
}

SingleInstance::Role SingleInstance::Claim(std::function<void()> onShow)
{
    lockFd_ = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kOwnerOnly);
    if (lockFd_ < 0 || ::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        if (lockFd_ >= 0) {
            ::close(lockFd_);
            lockFd_ = -1;
        }
        return AskRunningCopy() ? Role::Second : Role::Failed;
    }
    onShow_ = std::move(onShow);
    // Without a socket this copy still runs; later copies then say they cannot reach it.
    if (!Listen()) {
        std::cerr << "qx71: " << socketPath_
                  << " cannot be listened on, so a second start cannot bring this window up\n";
    }
    return Role::First;
}

bool SingleInstance::Listen()
{
    sockaddr_un address{};
    if (!SocketAddress(socketPath_, address)) {
        return false;
    }
    serverFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (serverFd_ < 0) {
        return false;
    }
    // We hold the lock: a socket of that name is the leftover of a killed copy.
    ::unlink(socketPath_.c_str());
    if (::bind(serverFd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::chmod(socketPath_.c_str(), kOwnerOnly) != 0 || ::listen(serverFd_, kListenBacklog) != 0) {
        ::close(serverFd_);
        serverFd_ = -1;
        return false;
    }
    serverNotifier_ = std::make_unique<QSocketNotifier>(serverFd_, QSocketNotifier::Read);
    QObject::connect(serverNotifier_.get(), &QSocketNotifier::activated, serverNotifier_.get(),
                     [this] { AcceptClients(); });
    return true;
}

void SingleInstance::AcceptClients()
{
    for (;;) {
        const int fd = ::accept4(serverFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            return;
        }
        if (!SameUser(fd)) {
            ::close(fd);
            continue;
        }
        auto client = std::make_unique<Client>();
        client->fd = fd;
        client->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        Client* raw = client.get();
        QObject::connect(raw->notifier.get(), &QSocketNotifier::activated, raw->notifier.get(),
                         [this, raw] { ReadClient(*raw); });
        clients_.push_back(std::move(client));
        // What arrived before the connection was taken.
        ReadClient(*raw);
    }
}

void SingleInstance::ReadClient(Client& client)
{
    char buffer[kMaxPendingBytes];
    for (;;) {
        const ssize_t got = ::read(client.fd, buffer, sizeof(buffer));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return;
        }
        if (got <= 0) {
            DropClient(client); // the copy is done (or the connection broke)
            return;
        }
        client.pending.append(buffer, static_cast<size_t>(got));
        for (size_t end = client.pending.find('\n'); end != std::string::npos;
             end = client.pending.find('\n')) {
            const bool show = client.pending.compare(0, end + 1, kShowRequest) == 0;
            client.pending.erase(0, end + 1);
            if (show && onShow_) {
                onShow_();
            }
        }
        if (client.pending.size() > kMaxPendingBytes) {
            DropClient(client);
            return;
        }
    }
}

void SingleInstance::DropClient(Client& client)
{
    ::close(client.fd);
    // The notifier may be the one whose signal is running: it goes once control is back in
    // the event loop.
    client.notifier->setEnabled(false);
    client.notifier.release()->deleteLater();
    std::erase_if(clients_,
                  [&client](const std::unique_ptr<Client>& c) { return c.get() == &client; });
}

} // namespace qx71
