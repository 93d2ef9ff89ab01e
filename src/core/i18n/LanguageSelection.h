#pragma once

#include "core/common/IFileSystem.h"
#include "core/i18n/LanguageTable.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace qx71 {

class IMessageSink;
class SharedMarkupDocument;
class UiStrings;

// The window message that changes the language: lParam is the language number, wParam the
// start-up code or anything else for a choice from the language menu.
inline constexpr uint32_t kLanguageMessage = 0x401;
inline constexpr uint32_t kStartupLanguageCode = 0x110;

inline constexpr const char* kLanguageCfgName = "Language.cfg";
inline constexpr size_t kLanguageCfgSize = 4; // the number, signed 32-bit little-endian

// What one language message asks for; the window carries out the visible parts.
struct LanguageMessagePlan {
    bool handled = false;           // false: ignore the message altogether
    int chineseUi = 0;              // the new ChineseUi
    std::optional<LanguageId> load; // load this language's file and show its flag
    std::optional<int32_t> store;   // number to write to Language.cfg
    bool refreshTooltips = false;   // set every control's tooltip again
    bool closeMenu = false;         // close the language menu if still open, and forget it
};

// The decision for a language message, given whether a language menu is remembered.
LanguageMessagePlan PlanLanguageMessage(uint32_t wParam, int32_t lParam, bool menuOpen);

// The choice and storage of the interface language, and the two flags that pick the
// program's built-in Chinese or English texts.
class LanguageSelection {
public:
    LanguageSelection(IFileSystem& files, IMessageSink& messages, SharedMarkupDocument& markup,
                      UiStrings& strings, std::filesystem::path installDir,
                      std::filesystem::path dataDir);

    // Start-up, before the window exists: the Simplified Chinese texts.
    void LoadStartupStrings();
    // Start-up: the installer's choice from skins/languagetype.ini (Chinese when its
    // "value" in section "languagetype" is 1, else English).
    void ApplyInstallLanguage();
    // The stored language number. A missing file (or folder) is reported and gives 1; an empty
    // file or one that is there but cannot be read gives the installer's language instead,
    // so a damaged file does not switch the interface to Chinese.
    LanguageId ReadLanguageCfg();
    // The installer's choice: Simplified Chinese when skins/languagetype.ini says 1, else
    // English.
    LanguageId InstallLanguage();
    // Stores the number atomically. A file that is not found and a refused write are
    // reported; a missing folder and other failures are not. The language in force does not
    // change either way.
    FileError WriteLanguageCfg(int32_t id);
    // Handles a language message: sets ChineseUi, loads the language file and stores the
    // number as the plan says, and returns the plan for the window's part. At start-up the
    // number is stored only when the file does not hold it already and could be read (an
    // unreadable file keeps the user's choice and is never written over).
    LanguageMessagePlan HandleLanguageMessage(uint32_t wParam, int32_t lParam, bool menuOpen);

    // 1 when the language in force is Simplified Chinese. Read from other threads too.
    int ChineseUi() const { return chineseUi_.load(); }
    // 1 when the installer chose Chinese; set once at start-up.
    int InstallChinese() const { return installChinese_.load(); }
    // The language whose flag the window shows.
    LanguageId FlagShown() const { return flagShown_; }

    std::filesystem::path LanguageCfgPath() const { return dataDir_ / kLanguageCfgName; }
    std::filesystem::path InstallLanguageIniPath() const;

private:
    void Load(const LanguageInfo& language);

    IFileSystem& files_;
    IMessageSink& messages_;
    SharedMarkupDocument& markup_;
    UiStrings& strings_;
    std::filesystem::path installDir_;
    std::filesystem::path dataDir_;
    std::atomic<int> chineseUi_{0};
    std::atomic<int> installChinese_{0};
    LanguageId flagShown_ = kLanguageSimplifiedChinese;
    // What Language.cfg held at the last read or write, when it held a whole number.
    std::optional<int32_t> stored_;
    bool unreadable_ = false; // the last read found the file but could not read it
};

} // namespace qx71
