#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace qx71 {

// A language number: 1 to 12 in the order of kLanguages. Language.cfg may hold any other
// value, which selects no language file.
using LanguageId = int32_t;

inline constexpr LanguageId kLanguageSimplifiedChinese = 1;
inline constexpr LanguageId kLanguageEnglish = 2;
inline constexpr LanguageId kLanguageTraditionalChinese = 12;

struct LanguageInfo {
    LanguageId id;
    std::string_view menuText; // the item of the language menu
    std::string_view fileName; // under InstallDir/Language
};

inline constexpr LanguageInfo kLanguages[] = {
    {1, "Chinese", "sc.xml"},   {2, "English", "en.xml"},     {3, "French", "fre.xml"},
    {4, "Korean", "kor.xml"},   {5, "German", "ger.xml"},     {6, "Italian", "ita.xml"},
    {7, "Spanish", "span.xml"}, {8, "Dutch", "dutch.xml"},    {9, "Portuguese", "pt.xml"},
    {10, "Russian", "rus.xml"}, {11, "Ukrainian", "ukr.xml"}, {12, "Trad.Chinese", "tw.xml"},
};

// The language of a number, or nullptr when it is not 1 to 12.
const LanguageInfo* FindLanguage(LanguageId id);

// InstallDir/Language/<file> of a language (1 to 12).
std::filesystem::path LanguageFilePath(const std::filesystem::path& installDir,
                                       const LanguageInfo& language);

} // namespace qx71
