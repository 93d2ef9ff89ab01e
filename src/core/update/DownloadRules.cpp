#include "core/update/DownloadRules.h"

#include <cctype>

namespace qx71 {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool IsAllowedDownloadAddress(std::string_view address)
{
    for (std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (StartsWithNoCase(address, scheme)) {
            const std::string_view rest = address.substr(scheme.size());
            return !rest.empty() && rest.front() != '/';
        }
    }
    return false;
}

std::string DownloadErrorText(const DownloadResult& result)
{
    std::string text;
    switch (result.error) {
    case DownloadError::None:
        return "downloaded";
    case DownloadError::RefusedAddress:
        text = "refused: only http and https addresses are fetched";
        break;
    case DownloadError::Connect:
        text = "the server cannot be reached";
        break;
    case DownloadError::TimedOut:
        text = "the server did not answer in time";
        break;
    case DownloadError::Http:
        text = "the server answered with an error";
        break;
    case DownloadError::Tls:
        text = "the server's certificate cannot be verified";
        break;
    case DownloadError::TooLarge:
        text = "the file is larger than allowed";
        break;
    case DownloadError::Incomplete:
        text = "the download was cut off";
        break;
    case DownloadError::Write:
        text = "the file cannot be written";
        break;
    case DownloadError::Aborted:
        text = "the download was stopped";
        break;
    case DownloadError::Other:
        text = "the download failed";
        break;
    }
    if (!result.detail.empty()) {
        text += " (" + result.detail + ")";
    }
    return text;
}

} // namespace qx71
