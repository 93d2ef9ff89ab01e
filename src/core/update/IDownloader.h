#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace qx71 {

enum class DownloadError {
    None,
    RefusedAddress, // not an http or https address (also after a redirect)
    Connect,        // the server could not be reached
    TimedOut,       // the connect or the total time limit passed
    Http,           // the server answered with an error status
    Tls,            // the server's certificate could not be verified
    TooLarge,       // the body is larger than allowed
    Incomplete,     // the connection ended before the whole body came (or it was empty)
    Write,          // the file could not be written
    Aborted,        // Abort() was called
    Other,
};

struct DownloadLimits {
    uint32_t connectTimeoutMs = 0;
    uint32_t totalTimeoutMs = 0;
    uint64_t maxBytes = 0;
};

struct DownloadResult {
    DownloadError error = DownloadError::None;
    uint64_t bytes = 0;
    std::string detail; // what went wrong, for a log or the command line
    bool ok() const { return error == DownloadError::None; }
};

// Fetches one address into a file, blocking the calling thread (the update thread). Only http
// and https are fetched; a body is written to a temporary file beside the destination that
// replaces the destination only when the body came complete and within the size limit, so a
// failed download leaves the previous file untouched and nothing else behind. An empty body
// counts as incomplete. The destination's folder must exist.
class IDownloader {
public:
    virtual ~IDownloader() = default;
    virtual DownloadResult Download(const std::string& address,
                                    const std::filesystem::path& destination,
                                    const DownloadLimits& limits) = 0;
    // From any thread: ends a running download at once and makes every later one fail, so the
    // program can shut down without waiting for a slow server.
    virtual void Abort() = 0;
};

} // namespace qx71
