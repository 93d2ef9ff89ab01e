#pragma once

#include <string>
#include <string_view>

namespace qx71 {

// The maker's web site that the support page opens, as the program was built (the
// QX71_WEB_SITE build option); empty when none was given.
std::string_view BuiltInWebSite();

// The address the web-site button opens: `configured` when it is an http or https address,
// else empty, and the button is then disabled (a bare word or a file: address is never handed
// to the desktop's opener).
std::string WebSiteToOpen(std::string_view configured);

} // namespace qx71
