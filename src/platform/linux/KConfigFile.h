#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

// A KDE configuration file (KConfig's INI format) edited in place: the lines this program does
// not set stay as they are, so whatever Plasma or the user keeps there survives.
//
// A group is a path of names, written as "[Libinput][1133][49291][Name]"; keys are
// "Key=value" lines under it. Names and values are escaped as KConfig escapes them (\\, \n,
// \t, \r, \s for leading or trailing blanks, \xNN for other control bytes, and '[', ']' in
// group names), so KConfig reads back what is written here.
class KConfigFile {
public:
    using Group = std::vector<std::string>;

    // Reads `path`; a missing file is an empty one. False with the reason when it exists and
    // cannot be read.
    bool Load(const std::filesystem::path& path, std::string& error);
    // Writes the file atomically (a temp file renamed over it), creating its folder.
    bool Save(std::string& error) const;

    std::optional<std::string> Get(const Group& group, const std::string& key) const;
    void Set(const Group& group, const std::string& key, const std::string& value);
    // The groups of the file whose path starts with `prefix` and has `depth` names.
    std::vector<Group> GroupsUnder(const Group& prefix, size_t depth) const;

    static std::string EscapeValue(const std::string& value);
    static std::string UnescapeValue(const std::string& text);
    static std::string HeaderOf(const Group& group);

private:
    struct Line {
        std::string text;
        std::optional<Group> header; // a group's header line
        std::string key;             // a key line's key (without a locale or flags)
        bool plainKey = false;       // a key without a locale or $-flags
    };

    static std::optional<Group> ParseHeader(const std::string& line);
    // The index of the header line of `group`, or lines_.size() for the keys before any
    // header (KConfig's default group, an empty path).
    std::optional<size_t> FindGroup(const Group& group) const;

    std::filesystem::path path_;
    std::vector<Line> lines_;
};

} // namespace qx71
