#pragma once

#include "core/update/IDownloader.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace qx71::test {

// Answers each address with a scripted body or error. A download can be held until the test
// releases it, which stands for a server slower than the check timer.
class ScriptedDownloader final : public IDownloader {
public:
    struct Reply {
        DownloadError error = DownloadError::None;
        std::string body;
    };
    struct Call {
        std::string address;
        std::filesystem::path destination;
        DownloadLimits limits;
    };

    void SetReply(const std::string& address, Reply reply)
    {
        std::lock_guard lock(mutex_);
        replies_[address] = std::move(reply);
    }
    // Answers again after Abort(), as a new program's downloader would.
    void Reopen()
    {
        std::lock_guard lock(mutex_);
        aborted_ = false;
    }
    // The next download waits for Release() or Abort().
    void HoldNext()
    {
        std::lock_guard lock(mutex_);
        holdNext_ = true;
    }
    bool WaitHeld()
    {
        std::unique_lock lock(mutex_);
        return cv_.wait_for(lock, kEventTimeout, [this] { return held_; });
    }
    void Release()
    {
        std::lock_guard lock(mutex_);
        released_ = true;
        cv_.notify_all();
    }
    std::vector<Call> Calls()
    {
        std::lock_guard lock(mutex_);
        return calls_;
    }

    DownloadResult Download(const std::string& address, const std::filesystem::path& destination,
                            const DownloadLimits& limits) override
    {
        Reply reply{DownloadError::Connect, {}};
        {
            std::unique_lock lock(mutex_);
            calls_.push_back({address, destination, limits});
            if (holdNext_) {
                holdNext_ = false;
                held_ = true;
                cv_.notify_all();
                cv_.wait(lock, [this] { return released_ || aborted_; });
                held_ = false;
                released_ = false;
            }
            if (aborted_) {
                return {DownloadError::Aborted, 0, {}};
            }
            if (auto it = replies_.find(address); it != replies_.end()) {
                reply = it->second;
            }
        }
        if (reply.error != DownloadError::None) {
            return {reply.error, 0, {}};
        }
        WriteText(destination, reply.body);
        return {DownloadError::None, reply.body.size(), {}};
    }
    void Abort() override
    {
        std::lock_guard lock(mutex_);
        aborted_ = true;
        cv_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    std::map<std::string, Reply> replies_;
    std::vector<Call> calls_;
    bool holdNext_ = false;
    bool held_ = false;
    bool released_ = false;
    bool aborted_ = false;
};

} // namespace qx71::test
