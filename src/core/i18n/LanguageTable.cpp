#include "core/i18n/LanguageTable.h"

namespace qx71 {

const LanguageInfo* FindLanguage(LanguageId id)
{
    for (const auto& language : kLanguages) {
        if (language.id == id) {
            return &language;
        }
    }
    return nullptr;
}

std::filesystem::path LanguageFilePath(const std::filesystem::path& installDir,
                                       const LanguageInfo& language)
{
    return installDir / "Language" / language.fileName;
}

} // namespace qx71
