#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qx71 {

// A version number from its text, as the update check reads both the installed and the
// offered version: leading white space is skipped, an optional sign and the digits after it
// are read, the rest is ignored; no digits give 0. A number beyond 32 bits saturates at the
// largest or smallest 32-bit value, as the C library's conversion does.
int32_t VersionNumber(std::u16string_view text);

// The offered firmware is newer when its number is greater than the installed one, both taken
// as unsigned 32-bit values (so an offer written with a minus sign counts as very large).
bool IsNewerFirmware(int32_t offered, int32_t installed);

// FirmwareVersionText as the main window fills it after the version query: the number in
// decimal, or empty when the query failed or the mouse answered 0.
std::u16string FirmwareVersionText(bool queried, int version);

// How the support page shows FirmwareVersionText: "Unknown" when it is empty; one digit d
// gives "V 0.0.d", two digits "V 0.d1.d2". Longer texts put the last two digits in the second
// and third parts and every digit before them in the first ("104" gives "V 1.0.4"), so every
// version the mouse can report is shown in full.
std::u16string FirmwareVersionDisplay(std::u16string_view versionText);

} // namespace qx71
