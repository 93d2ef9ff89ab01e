#pragma once

#include "core/update/IDownloader.h"

#include <atomic>
#include <mutex>

namespace qx71 {

// Downloads with libcurl: http and https only (also after a redirect), TLS peer and host
// verified, the connect and total time limits and the size cap of each call, the body into a
// temporary file beside the destination that replaces it only when complete. Abort() wakes a
// running transfer at once.
class CurlDownloader final : public IDownloader {
public:
    CurlDownloader();
    ~CurlDownloader() override;
    CurlDownloader(const CurlDownloader&) = delete;
    CurlDownloader& operator=(const CurlDownloader&) = delete;

    DownloadResult Download(const std::string& address, const std::filesystem::path& destination,
                            const DownloadLimits& limits) override;
    void Abort() override;

private:
    std::atomic<bool> aborted_{false};
    std::mutex mutex_;
    void* running_ = nullptr; // the multi handle of the running transfer
};

} // namespace qx71
