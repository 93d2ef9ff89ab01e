#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace qx71 {

namespace {

constexpr const char* kShowRequest = "show\n";
constexpr int kConnectTimeoutMs = 2000;
// The first copy may hold the lock but not listen yet: a few tries before giving up.
constexpr int kConnectTries = 5;
constexpr unsigned long kRetryWaitMs = 200;

} // namespace

QString SingleInstance::DefaultName()
{
    return QStringLiteral("QX71Driver.exe-%1").arg(getuid());
}

SingleInstance::SingleInstance(QString name) : name_(name.isEmpty() ? DefaultName() : name) {}

SingleInstance::~SingleInstance()
{
    if (server_) {
        server_->close();
    }
}

bool SingleInstance::AskRunningCopy()
{
    for (int attempt = 0; attempt < kConnectTries; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(kConnectTimeoutMs)) {
            socket.write(kShowRequest);
            const bool sent = socket.waitForBytesWritten(kConnectTimeoutMs);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(kRetryWaitMs);
    }
    return false;
}

SingleInstance::Role SingleInstance::Claim(std::function<void()> onShow)
{
    lock_ = std::make_unique<QLockFile>(QDir::temp().filePath(name_ + QStringLiteral(".lock")));
    // A lock whose process is gone counts as stale whatever its age.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock()) {
        lock_.reset();
        return AskRunningCopy() ? Role::Second : Role::Failed;
    }
    onShow_ = std::move(onShow);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock: a socket of that name is the leftover of a killed copy.
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_)) {
        server_.reset();
        return Role::First;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            auto readRequests = [this, client] {
                while (client->canReadLine()) {
                    if (client->readLine() == kShowRequest && onShow_) {
                        onShow_();
                    }
                }
            };
            QObject::connect(client, &QLocalSocket::readyRead, client, readRequests);
            QObject::connect(client, &QLocalSocket::disconnected, client,
                             &QLocalSocket::deleteLater);
            // What arrived before the connection was made.
            readRequests();
        }
    });
    return Role::First;
}

} // namespace qx71
