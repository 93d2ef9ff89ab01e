#include "core/update/WebSite.h"

#include "core/update/DownloadRules.h"

namespace qx71 {

std::string_view BuiltInWebSite()
{
    return QX71_WEB_SITE_TEXT;
}

std::string WebSiteToOpen(std::string_view configured)
{
    return IsAllowedDownloadAddress(configured) ? std::string(configured) : std::string();
}

} // namespace qx71
