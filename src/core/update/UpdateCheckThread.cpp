#include "core/update/UpdateCheckThread.h"

namespace qx71 {

UpdateCheckThread::UpdateCheckThread(Pass pass) : pass_(std::move(pass)) {}

UpdateCheckThread::~UpdateCheckThread()
{
    Stop();
}

void UpdateCheckThread::Start()
{
    if (thread_.joinable() || !running_) {
        return;
    }
    thread_ = std::thread([this] { Run(); });
}

void UpdateCheckThread::Stop()
{
    running_ = false;
    event_.Set();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void UpdateCheckThread::Run()
{
    while (running_) {
        event_.Wait();
        if (!running_) {
            break;
        }
        event_.Reset();
        pass_();
    }
}

} // namespace qx71
