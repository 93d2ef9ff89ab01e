#include "platform/net/CurlDownloader.h"

#include "core/update/DownloadRules.h"
#include "platform/net/CurlLibrary.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

namespace qx71 {

namespace {

constexpr long kMaxRedirects = 5;
constexpr int kPollMs = 1000; // Abort() wakes the poll at once; this only bounds a lost wake
constexpr const char* kProtocols = "http,https";

// The temporary file of one download: written, then renamed into place or removed.
class PartFile {
public:
    explicit PartFile(const std::filesystem::path& destination)
    {
        std::string pattern =
            (destination.parent_path() / ("." + destination.filename().string() + ".XXXXXX"))
                .string();
        fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd_ >= 0) {
            path_ = pattern;
        }
    }
    ~PartFile()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    bool ok() const { return fd_ >= 0; }
    bool Write(const char* data, size_t size)
    {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
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
    // Flushes the file to disk and puts it in place of `destination`.
    bool Commit(const std::filesystem::path& destination)
    {
        if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
            fd_ = -1;
            return false;
        }
        fd_ = -1;
        if (::rename(path_.c_str(), destination.c_str()) != 0) {
            return false;
        }
        path_.clear();
        // The rename itself reaches the disk with the folder.
        const int dir =
            ::open(destination.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
        return true;
    }

private:
    int fd_ = -1;
    std::string path_;
};

struct Transfer {
    PartFile* file = nullptr;
    uint64_t maxBytes = 0;
    uint64_t bytes = 0;
    bool tooLarge = false;
    bool writeFailed = false;
};

size_t OnBody(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const size_t n = size * count;
    if (transfer->bytes + n > transfer->maxBytes) {
        transfer->tooLarge = true;
        return 0; // a short count ends the transfer
    }
    if (!transfer->file->Write(data, n)) {
        transfer->writeFailed = true;
        return 0;
    }
    transfer->bytes += n;
    return n;
}

DownloadError FromCurl(CURLcode code, const Transfer& transfer)
{
    if (transfer.tooLarge) {
        return DownloadError::TooLarge;
    }
    if (transfer.writeFailed) {
        return DownloadError::Write;
    }
    switch (code) {
    case CURLE_OK:
        return DownloadError::None;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return DownloadError::RefusedAddress;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        return DownloadError::Connect;
    case CURLE_OPERATION_TIMEDOUT:
        return DownloadError::TimedOut;
    case CURLE_HTTP_RETURNED_ERROR:
    case CURLE_TOO_MANY_REDIRECTS:
        return DownloadError::Http;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CACERT_BADFILE:
        return DownloadError::Tls;
    case CURLE_FILESIZE_EXCEEDED:
        return DownloadError::TooLarge;
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return DownloadError::Incomplete;
    default:
        return DownloadError::Other;
    }
}

struct EasyCleanup {
    const CurlLibrary* curl;
    void operator()(CURL* easy) const { curl->easy_cleanup(easy); }
};
struct MultiCleanup {
    const CurlLibrary* curl;
    void operator()(CURLM* multi) const { curl->multi_cleanup(multi); }
};

} // namespace

CurlDownloader::CurlDownloader() = default;

CurlDownloader::~CurlDownloader() = default;

void CurlDownloader::Abort()
{
    aborted_ = true;
    std::lock_guard lock(mutex_);
    if (running_ != nullptr) {
        if (const CurlLibrary* curl = CurlLibrary::IfOpen()) {
            curl->multi_wakeup(static_cast<CURLM*>(running_));
        }
    }
}

DownloadResult CurlDownloader::Download(const std::string& address,
                                        const std::filesystem::path& destination,
                                        const DownloadLimits& limits)
{
    DownloadResult result;
    if (aborted_) {
        result.error = DownloadError::Aborted;
        return result;
    }
    if (!IsAllowedDownloadAddress(address)) {
        result.error = DownloadError::RefusedAddress;
        return result;
    }
    const CurlLibrary* curl = CurlLibrary::Get(result.detail);
    if (curl == nullptr) {
        result.error = DownloadError::Other;
        return result;
    }
    PartFile file(destination);
    if (!file.ok()) {
        result.error = DownloadError::Write;
        result.detail = std::strerror(errno);
        return result;
    }
    std::unique_ptr<CURL, EasyCleanup> easy(curl->easy_init(), EasyCleanup{curl});
    std::unique_ptr<CURLM, MultiCleanup> multi(curl->multi_init(), MultiCleanup{curl});
    if (!easy || !multi) {
        result.error = DownloadError::Other;
        return result;
    }

    Transfer transfer{&file, limits.maxBytes};
    char error[CURL_ERROR_SIZE] = {};
    CURL* e = easy.get();
    curl->easy_setopt(e, CURLOPT_URL, address.c_str());
    curl->easy_setopt(e, CURLOPT_PROTOCOLS_STR, kProtocols);
    curl->easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, kProtocols);
    curl->easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl->easy_setopt(e, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl->easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
    curl->easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
    curl->easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeoutMs));
    curl->easy_setopt(e, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeoutMs));
    curl->easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl->easy_setopt(e, CURLOPT_FAILONERROR, 1L);
    curl->easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    // An aborted transfer's cleanup does not wait for a name lookup that hangs: closing the
    // program never waits on a slow resolver.
    curl->easy_setopt(e, CURLOPT_QUICK_EXIT, 1L);
    curl->easy_setopt(e, CURLOPT_USERAGENT, "qx71");
    curl->easy_setopt(e, CURLOPT_ERRORBUFFER, error);
    curl->easy_setopt(e, CURLOPT_WRITEFUNCTION, OnBody);
    curl->easy_setopt(e, CURLOPT_WRITEDATA, &transfer);
    curl->multi_add_handle(multi.get(), e);
    {
        std::lock_guard lock(mutex_);
        running_ = multi.get();
    }

    CURLcode code = CURLE_OK;
    bool aborted = false;
    for (;;) {
        int still = 0;
        if (curl->multi_perform(multi.get(), &still) != CURLM_OK) {
            code = CURLE_FAILED_INIT;
            break;
        }
        if (still == 0) {
            int queued = 0;
            while (CURLMsg* message = curl->multi_info_read(multi.get(), &queued)) {
                if (message->msg == CURLMSG_DONE) {
                    code = message->data.result;
                }
            }
            break;
        }
        if (aborted_) {
            aborted = true;
            break;
        }
        curl->multi_poll(multi.get(), nullptr, 0, kPollMs, nullptr);
        if (aborted_) {
            aborted = true;
            break;
        }
    }
    {
        std::lock_guard lock(mutex_);
        running_ = nullptr;
    }
    curl->multi_remove_handle(multi.get(), e);

    result.bytes = transfer.bytes;
    if (aborted) {
        result.error = DownloadError::Aborted;
        return result;
    }
    result.error = FromCurl(code, transfer);
    if (result.error == DownloadError::None && transfer.bytes == 0) {
        result.error = DownloadError::Incomplete;
        result.detail = "empty body";
        return result;
    }
    if (result.error != DownloadError::None) {
        result.detail = error[0] != '\0' ? error : curl->easy_strerror(code);
        return result;
    }
    if (!file.Commit(destination)) {
        result.error = DownloadError::Write;
        result.detail = std::strerror(errno);
    }
    return result;
}

} // namespace qx71
