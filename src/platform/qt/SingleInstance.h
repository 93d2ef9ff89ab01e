#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

namespace qx71 {

// One running copy per user. The first copy holds a lock on a file and listens on a local
// socket beside it; a later copy finds the lock taken, asks the first one through the socket
// to show its window and ends. The system lets go of the lock when its process ends, however
// it ends, so a killed copy blocks no later one; the socket it left behind is replaced.
// Plain system calls with a socket notifier: no network library to load at every start.
class SingleInstance {
public:
    enum class Role {
        First,  // this copy runs; the show requests of later copies arrive through onShow
        Second, // another copy runs and was asked to show its window
        Failed, // neither: another copy holds the lock but could not be reached
    };

    // `name` empty: the per-user default.
    explicit SingleInstance(QString name = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Called on the owner's thread (which runs an event loop) when a later copy asks to show
    // the window.
    Role Claim(std::function<void()> onShow);

    static QString DefaultName();

private:
    struct Client;

    bool AskRunningCopy() const;
    bool Listen();
    void AcceptClients();
    void ReadClient(Client& client);
    void DropClient(Client& client);

    std::string lockPath_;
    std::string socketPath_;
    int lockFd_ = -1;
    int serverFd_ = -1;
    std::unique_ptr<QSocketNotifier> serverNotifier_;
    std::vector<std::unique_ptr<Client>> clients_;
    std::function<void()> onShow_;
};

} // namespace qx71
