#include "core/i18n/LanguageSelection.h"

#include "core/common/IMessageSink.h"
#include "core/common/LittleEndian.h"
#include "core/i18n/IniFile.h"
#include "core/i18n/LoadUiStrings.h"
#include "core/i18n/UiStrings.h"

#include <algorithm>
#include <array>

namespace qx71 {

namespace {

constexpr const char* kInstallIniFolder = "skins";
constexpr const char* kInstallIniName = "languagetype.ini";
constexpr const char* kInstallIniSection = "languagetype";
constexpr const char* kInstallIniKey = "value";
constexpr int32_t kInstallChineseValue = 1;
constexpr size_t kMaxIniBytes = 64 * 1024;

constexpr char16_t kReadFailedFormat[] = u"Failed to open file, check whether there is a %s path?";
constexpr char16_t kInfoCaption[] = u"Info";
// Used when the language file left these texts empty, so that a failure is never shown as an
// empty box.
constexpr char16_t kFallbackNotFound[] = u"The file %s cannot be found.";
constexpr char16_t kFallbackAccessDenied[] = u"Access denied: the settings file cannot be saved.";

std::u16string TextOr(const UiStrings& strings, std::string_view key, std::u16string_view fallback)
{
    const auto& text = strings.Get(key);
    return text.empty() ? std::u16string(fallback) : text;
}

} // namespace

LanguageMessagePlan PlanLanguageMessage(uint32_t wParam, int32_t lParam, bool menuOpen)
{
    LanguageMessagePlan plan;
    const bool startup = wParam == kStartupLanguageCode;
    if (lParam == 0 || (!menuOpen && !startup)) {
        return plan;
    }
    plan.handled = true;
    plan.chineseUi = lParam == kLanguageSimplifiedChinese ? 1 : 0;
    if (FindLanguage(lParam) != nullptr) {
        plan.load = lParam;
    }
    plan.store = lParam;
    plan.refreshTooltips = true;
    plan.closeMenu = !startup;
    return plan;
}

LanguageSelection::LanguageSelection(IFileSystem& files, IMessageSink& messages,
                                     SharedMarkupDocument& markup, UiStrings& strings,
                                     std::filesystem::path installDir,
                                     std::filesystem::path dataDir)
    : files_(files), messages_(messages), markup_(markup), strings_(strings),
      installDir_(std::move(installDir)), dataDir_(std::move(dataDir))
{
}

std::filesystem::path LanguageSelection::InstallLanguageIniPath() const
{
    return installDir_ / kInstallIniFolder / kInstallIniName;
}

void LanguageSelection::Load(const LanguageInfo& language)
{
    // The outcome is not shown: a missing or broken file leaves texts empty.
    LoadUiStrings(markup_, LanguageFilePath(installDir_, language), strings_);
}

void LanguageSelection::LoadStartupStrings()
{
    Load(*FindLanguage(kLanguageSimplifiedChinese));
}

LanguageId LanguageSelection::InstallLanguage()
{
    int32_t value = 0;
    const FileReadResult ini = files_.ReadFile(InstallLanguageIniPath(), kMaxIniBytes);
    if (ini.ok()) {
        value = ReadIniInt(ini.bytes, kInstallIniSection, kInstallIniKey, 0);
    }
    return value == kInstallChineseValue ? kLanguageSimplifiedChinese : kLanguageEnglish;
}

void LanguageSelection::ApplyInstallLanguage()
{
    const bool chinese = InstallLanguage() == kLanguageSimplifiedChinese;
    chineseUi_ = chinese ? 1 : 0;
    installChinese_ = chinese ? 1 : 0;
    flagShown_ = chinese ? kLanguageSimplifiedChinese : kLanguageEnglish;
    Load(*FindLanguage(flagShown_));
}

LanguageId LanguageSelection::ReadLanguageCfg()
{
    const auto path = LanguageCfgPath();
    const FileReadResult read = files_.ReadFile(path, kLanguageCfgSize);
    stored_.reset();
    unreadable_ = !read.ok() && !IsMissing(read.error);
    if (!read.ok()) {
        if (IsMissing(read.error)) {
            messages_.Show({MessageKind::InfoBox, u"", FormatWithPath(kReadFailedFormat, path)});
            return kLanguageSimplifiedChinese;
        }
        // The file system told why; the user's choice is still in the file.
        return InstallLanguage();
    }
    if (read.bytes.empty()) {
        // Left empty by a full disk: nothing of the user's choice is left in it.
        return InstallLanguage();
    }
    // The bytes read replace the start of the number 1, so a short file keeps the rest.
    std::array<uint8_t, kLanguageCfgSize> bytes{};
    StoreLe32(bytes.data(), static_cast<uint32_t>(kLanguageSimplifiedChinese));
    std::copy(read.bytes.begin(), read.bytes.end(), bytes.begin());
    const auto id = static_cast<int32_t>(LoadLe32(bytes.data()));
    if (read.bytes.size() == kLanguageCfgSize) {
        stored_ = id;
    }
    return static_cast<LanguageId>(id);
}

FileError LanguageSelection::WriteLanguageCfg(int32_t id)
{
    const auto path = LanguageCfgPath();
    std::array<uint8_t, kLanguageCfgSize> bytes{};
    StoreLe32(bytes.data(), static_cast<uint32_t>(id));
    const FileError error = files_.WriteFileAtomic(path, bytes);
    if (error == FileError::None) {
        stored_ = id;
        unreadable_ = false;
    } else if (error == FileError::NotFound) {
        messages_.Show({MessageKind::SystemBox, kInfoCaption,
                        FormatWithPath(TextOr(strings_, "str_msg2", kFallbackNotFound), path)});
    } else if (error == FileError::AccessDenied) {
        messages_.Show({MessageKind::SystemBox, kInfoCaption,
                        NamingFile(TextOr(strings_, "str_msg5", kFallbackAccessDenied), path)});
    }
    return error;
}

LanguageMessagePlan LanguageSelection::HandleLanguageMessage(uint32_t wParam, int32_t lParam,
                                                             bool menuOpen)
{
    const LanguageMessagePlan plan = PlanLanguageMessage(wParam, lParam, menuOpen);
    if (!plan.handled) {
        return plan;
    }
    chineseUi_ = plan.chineseUi;
    if (plan.load) {
        flagShown_ = *plan.load;
        Load(*FindLanguage(*plan.load));
    }
    const bool startup = wParam == kStartupLanguageCode;
    if (plan.store && !(startup && (unreadable_ || stored_ == *plan.store))) {
        WriteLanguageCfg(*plan.store);
    }
    return plan;
}

} // namespace qx71
