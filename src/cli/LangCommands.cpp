// lang check FILE, lang list: the language files and the stored language choice.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/SystemBackends.h"

#include "core/common/Utf.h"
#include "core/i18n/LanguageSelection.h"
#include "core/i18n/LanguageTable.h"
#include "core/i18n/LoadUiStrings.h"
#include "core/i18n/UiStrings.h"
#include "core/markup/ITextCodec.h"
#include "core/markup/SharedMarkupDocument.h"

#include <iomanip>
#include <iostream>

namespace qx71 {

namespace {

constexpr int kKeyColumn = 24;

std::string ReadErrorText(FileError error)
{
    switch (error) {
    case FileError::NotFound:
        return "the file does not exist";
    case FileError::FolderMissing:
        return "its folder does not exist";
    case FileError::AccessDenied:
        return "access is denied";
    case FileError::NotRegular:
        return "it is not a regular file";
    case FileError::None:
    case FileError::Unreadable:
    case FileError::Other:
        break;
    }
    return "the file cannot be read";
}

void Check(CliContext& context, const std::string& file)
{
    const std::unique_ptr<ITextCodec> codec = MakeSystemTextCodec();
    SharedMarkupDocument shared(context.Files(), *codec);
    const LanguageFileReport report = CheckLanguageFile(shared, file);
    const bool readable = report.load.readError == FileError::None;

    nlohmann::json texts = nlohmann::json::object();
    nlohmann::json missing = nlohmann::json::array();
    for (size_t i = 0; i < UiStrings::kCount; ++i) {
        const std::string key(UiStrings::kKeys[i]);
        texts[key] = Utf16ToUtf8(report.texts[i].value_or(u""));
        if (!report.texts[i]) {
            missing.push_back(key);
        }
    }
    const nlohmann::json data = {
        {"file", file},   {"readable", readable}, {"wellFormed", report.load.wellFormed},
        {"texts", texts}, {"missing", missing},
    };
    context.Print(data, [&] {
        for (size_t i = 0; i < UiStrings::kCount; ++i) {
            std::cout << std::left << std::setw(kKeyColumn) << UiStrings::kKeys[i] << ' ';
            if (report.texts[i]) {
                std::cout << Utf16ToUtf8(*report.texts[i]) << '\n';
            } else {
                std::cout << "[missing]\n";
            }
        }
        std::cout << UiStrings::kCount << " keys: " << UiStrings::kCount - missing.size()
                  << " given, " << missing.size() << " missing\n";
    });

    if (!readable) {
        context.Fail("warning: cannot read " + file + ": " + ReadErrorText(report.load.readError) +
                     "; the program would show no texts");
        return;
    }
    if (!report.load.wellFormed) {
        context.Fail("warning: " + file + " is not well formed:\n" + report.load.readerResult);
    }
    if (!missing.empty()) {
        context.Fail("warning: " + std::to_string(missing.size()) + " of " +
                     std::to_string(UiStrings::kCount) + " texts are missing");
    }
}

void ListLanguages(CliContext& context)
{
    const std::unique_ptr<ITextCodec> codec = MakeSystemTextCodec();
    SharedMarkupDocument shared(context.Files(), *codec);
    UiStrings strings;
    const auto installDir = context.InstallDir();
    LanguageSelection selection(context.Files(), context.Messages(), shared, strings, installDir,
                                context.DataDir());
    const LanguageId stored = selection.ReadLanguageCfg();

    nlohmann::json languages = nlohmann::json::array();
    for (const auto& language : kLanguages) {
        languages.push_back({
            {"id", language.id},
            {"name", std::string(language.menuText)},
            {"file", std::string(language.fileName)},
            {"present", context.Files().Exists(LanguageFilePath(installDir, language))},
        });
    }
    const nlohmann::json data = {{"languages", languages}, {"stored", stored}};
    context.Print(data, [&] {
        for (const auto& language : kLanguages) {
            std::cout << (language.id == stored ? "* " : "  ") << std::right << std::setw(2)
                      << language.id << "  " << std::left << std::setw(14) << language.menuText
                      << language.fileName
                      << (context.Files().Exists(LanguageFilePath(installDir, language))
                              ? ""
                              : "  (file missing)")
                      << '\n';
        }
        if (FindLanguage(stored) == nullptr) {
            std::cout << "stored: " << stored << " (no language of the list)\n";
        }
    });
}

} // namespace

void RegisterLangCommands(CLI::App& app, CliContext& context)
{
    auto* lang = app.add_subcommand("lang", "Language files and the interface language");
    lang->require_subcommand(1);

    auto* check =
        lang->add_subcommand("check", "Show which of the 107 texts a language file gives");
    auto file = std::make_shared<std::string>();
    check->add_option("FILE", *file, "The language file")->required();
    check->callback([&context, file] { Check(context, *file); });

    lang->add_subcommand("list", "The twelve languages and the stored choice")->callback([&] {
        ListLanguages(context);
    });
}

} // namespace qx71
