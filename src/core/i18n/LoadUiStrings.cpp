#include "core/i18n/LoadUiStrings.h"

#include "core/i18n/ElementText.h"
#include "core/i18n/UiStrings.h"
#include "core/markup/SharedMarkupDocument.h"

namespace qx71 {

namespace {

constexpr const char* kSection = "config";

static_assert(std::tuple_size_v<decltype(LanguageFileReport::texts)> == UiStrings::kCount);

LanguageLoadResult Load(MarkupDocument& doc, const std::filesystem::path& path)
{
    LanguageLoadResult result;
    result.wellFormed = doc.LoadFile(path);
    result.readError = doc.ReadError();
    result.readerResult = doc.ResultText();
    return result;
}

} // namespace

LanguageLoadResult LoadUiStrings(SharedMarkupDocument& shared, const std::filesystem::path& path,
                                 UiStrings& strings)
{
    auto unit = shared.Begin();
    LanguageLoadResult result = Load(*unit, path);
    for (const auto key : UiStrings::kKeys) {
        strings.Set(key, GetElementText(*unit, kSection, key));
    }
    return result;
}

LanguageFileReport CheckLanguageFile(SharedMarkupDocument& shared,
                                     const std::filesystem::path& path)
{
    auto unit = shared.Begin();
    LanguageFileReport report;
    report.load = Load(*unit, path);
    for (size_t i = 0; i < UiStrings::kCount; ++i) {
        report.texts[i] = FindElementText(*unit, kSection, UiStrings::kKeys[i]);
    }
    return report;
}

size_t LanguageFileReport::MissingCount() const
{
    size_t missing = 0;
    for (const auto& text : texts) {
        missing += text.has_value() ? 0 : 1;
    }
    return missing;
}

} // namespace qx71
