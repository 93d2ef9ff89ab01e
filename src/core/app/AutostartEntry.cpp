#include "core/app/AutostartEntry.h"

namespace qx71 {

std::filesystem::path AutostartPath(const std::filesystem::path& configHome)
{
    return configHome / kAutostartFolder / kAutostartFileName;
}

std::string QuoteExecArgument(std::string_view argument)
{
    // Characters that make an argument need quotes, per the desktop entry rules.
    static constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    const bool quote = argument.empty() || argument.find_first_of(kReserved) != argument.npos;
    std::string out = quote ? "\"" : "";
    for (const char c : argument) {
        if (c == '%') {
            out += "%%";
            continue;
        }
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            out += '\\';
        }
        out += c;
    }
    if (quote) {
        out += '"';
    }
    // The key's value is itself a string: every backslash is written twice.
    std::string escaped;
    for (const char c : out) {
        escaped += c;
        if (c == '\\') {
            escaped += '\\';
        }
    }
    return escaped;
}

std::string AutostartEntryText(const std::filesystem::path& program)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=QX71 Gaming Mouse\n"
           "Comment=Start the QX71 mouse settings in the notification area\n"
           "Exec=" +
           QuoteExecArgument(program.string()) +
           " --hidden\n"
           "Icon=qx71\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

} // namespace qx71
