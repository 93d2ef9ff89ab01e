#pragma once

#include "core/update/IDownloader.h"

#include <string>
#include <string_view>

namespace qx71 {

inline constexpr uint64_t kMiB = 1024 * 1024;
// The description is a few hundred bytes; the image a few hundred kilobytes.
inline constexpr DownloadLimits kDescriptionLimits{5000, 20000, 1 * kMiB};
inline constexpr DownloadLimits kImageLimits{10000, 300000, 16 * kMiB};

// Only web addresses are fetched: "http://" or "https://" (scheme in any letter case) followed
// by a host. Anything else (file:, ftp:, an empty "newfile") is refused.
bool IsAllowedDownloadAddress(std::string_view address);

// One English line for the command line.
std::string DownloadErrorText(const DownloadResult& result);

} // namespace qx71
