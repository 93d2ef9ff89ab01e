#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

namespace qx71 {

// One running copy per user. The first copy holds a lock file and listens on a local socket;
// a later copy finds the lock taken, asks the first one through the socket to show its window
// and ends. A lock left by a killed copy is recognised as stale (its process is gone) and the
// socket it left behind is replaced.
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

    // Called on the owner's thread when a later copy asks to show the window.
    Role Claim(std::function<void()> onShow);

    static QString DefaultName();

private:
    bool AskRunningCopy();

    QString name_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onShow_;
};

} // namespace qx71
