#include "platform/linux/KConfigFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace qx71 {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7f;
constexpr int kHexBase = 16;
constexpr int kNibbleBits = 4;
constexpr unsigned char kLowNibble = 0x0f;

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

void AppendHex(std::string& out, unsigned char c)
{
    out += "\\x";
    out += kHexDigits[c >> kNibbleBits];
    out += kHexDigits[c & kLowNibble];
}

// KConfig's escaping: `group` also escapes the brackets that would end a group name.
std::string Escape(const std::string& text, bool group)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool edge = i == 0 || i + 1 == text.size();
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == ' ' && edge && !group) {
            out += "\\s";
        } else if (c < kFirstPrintable || c == kDelete || (group && (c == '[' || c == ']'))) {
            AppendHex(out, c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string Unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        switch (next) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case 's':
            out += ' ';
            break;
        case 'x':
            if (i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
                out += static_cast<char>(HexValue(text[i + 1]) * kHexBase + HexValue(text[i + 2]));
                i += 2;
            } else {
                out += 'x';
            }
            break;
        default:
            out += next;
        }
    }
    return out;
}

} // namespace

std::string KConfigFile::EscapeValue(const std::string& value)
{
    return Escape(value, false);
}

std::string KConfigFile::UnescapeValue(const std::string& text)
{
    return Unescape(text);
}

std::string KConfigFile::HeaderOf(const Group& group)
{
    std::string header;
    for (const std::string& name : group) {
        header += '[' + Escape(name, true) + ']';
    }
    return header;
}

std::optional<KConfigFile::Group> KConfigFile::ParseHeader(const std::string& line)
{
    const std::string text = Trim(line);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    Group group;
    size_t at = 0;
    while (at < text.size() && text[at] == '[') {
        const size_t end = text.find(']', at);
        if (end == std::string::npos) {
            return std::nullopt;
        }
        const std::string name = text.substr(at + 1, end - at - 1);
        // "[$i]" and the like mark the group, they are not part of its name.
        if (name.empty() || name.front() != '$') {
            group.push_back(Unescape(name));
        }
        at = end + 1;
    }
    return group;
}

bool KConfigFile::Load(const std::filesystem::path& path, std::string& error)
{
    path_ = path;
    lines_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec) && !ec) {
            return true;
        }
        error = "cannot read " + path.string();
        return false;
    }
    std::string text;
    while (std::getline(in, text)) {
        Line line{text, ParseHeader(text), {}, false};
        const std::string trimmed = Trim(text);
        if (!line.header && !trimmed.empty() && trimmed.front() != '#') {
            const size_t equals = trimmed.find('=');
            if (equals != std::string::npos) {
                const std::string key = Trim(trimmed.substr(0, equals));
                line.plainKey = key.find('[') == std::string::npos;
                line.key = Unescape(key.substr(0, key.find('[')));
            }
        }
        lines_.push_back(std::move(line));
    }
    if (in.bad()) {
        error = "cannot read " + path.string();
        return false;
    }
    return true;
}

std::optional<size_t> KConfigFile::FindGroup(const Group& group) const
{
    if (group.empty()) {
        return lines_.size();
    }
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].header && *lines_[i].header == group) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> KConfigFile::Get(const Group& group, const std::string& key) const
{
    const std::optional<size_t> header = FindGroup(group);
    if (!header) {
        return std::nullopt;
    }
    const size_t first = group.empty() ? 0 : *header + 1;
    for (size_t i = first; i < lines_.size() && !lines_[i].header; ++i) {
        if (lines_[i].plainKey && lines_[i].key == key) {
            const std::string& text = lines_[i].text;
            return Unescape(Trim(text.substr(text.find('=') + 1)));
        }
    }
    return std::nullopt;
}

void KConfigFile::Set(const Group& group, const std::string& key, const std::string& value)
{
    const std::string line = Escape(key, false) + '=' + EscapeValue(value);
    std::optional<size_t> header = FindGroup(group);
    if (!header) {
        if (!lines_.empty() && !Trim(lines_.back().text).empty()) {
            lines_.push_back({"", std::nullopt, {}, false});
        }
        lines_.push_back({HeaderOf(group), group, {}, false});
        lines_.push_back({line, std::nullopt, key, true});
        return;
    }
    const size_t first = group.empty() ? 0 : *header + 1;
    size_t insertAt = first;
    for (size_t i = first; i < lines_.size() && !lines_[i].header; ++i) {
        if (lines_[i].plainKey && lines_[i].key == key) {
            lines_[i].text = line;
            return;
        }
        if (!lines_[i].key.empty()) {
            insertAt = i + 1;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  {line, std::nullopt, key, true});
}

std::vector<KConfigFile::Group> KConfigFile::GroupsUnder(const Group& prefix, size_t depth) const
{
    std::vector<Group> groups;
    for (const Line& line : lines_) {
        if (line.header && line.header->size() == depth &&
            std::equal(prefix.begin(), prefix.end(), line.header->begin())) {
            groups.push_back(*line.header);
        }
    }
    return groups;
}

bool KConfigFile::Save(std::string& error) const
{
    std::error_code ec;
    std::filesystem::create_directories(path_.parent_path(), ec);
    std::string text;
    for (const Line& line : lines_) {
        text += line.text + '\n';
    }
    const std::filesystem::path temp = path_.string() + ".qx71-new";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "cannot write " + temp.string() + ": " + std::strerror(errno);
        return false;
    }
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = "cannot write " + temp.string() + ": " + std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        done += static_cast<size_t>(n);
    }
    // The user's file keeps its permissions.
    struct stat old {};
    if (::stat(path_.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    const bool synced = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed || ::rename(temp.c_str(), path_.c_str()) != 0) {
        error = "cannot replace " + path_.string() + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

} // namespace qx71
