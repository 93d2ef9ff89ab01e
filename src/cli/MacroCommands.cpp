// macro list, show, encode, add, delete: the macros in DataDir/Macro.cfg.
#include "cli/CliContext.h"
#include "cli/CliParse.h"
#include "cli/CliStores.h"
#include "cli/Commands.h"

#include "core/buttons/MacroKeyNames.h"
#include "core/common/Hex.h"
#include "core/common/PathText.h"
#include "core/common/Utf.h"
#include "core/config/ConfigStore.h"
#include "core/config/StoreMacroUsage.h"
#include "core/device/MacroStream.h"
#include "core/macro/MacroBuild.h"
#include "core/macro/MacroCategories.h"
#include "core/macro/MacroEventSyntax.h"
#include "core/macro/MacroLibrary.h"
#include "core/macro/MacroTexts.h"

#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>

namespace qx71 {

namespace {

struct MacroOptions {
    std::optional<uint32_t> category;
    std::string id;
    bool allBytes = false;
    std::string name;
    uint32_t addCategory = kUserMacroCategory;
    uint32_t loop = 1;
    std::vector<std::string> events;
};

// The stored macro of an id given on the command line, or a failure printed.
std::optional<MacroRecord> FindListed(CliContext& context, const MacroLibrary& library,
                                      const std::string& idText)
{
    const std::optional<uint32_t> id = ParseId(idText);
    if (!id) {
        context.Fail("not a macro id: " + idText + " (for example 0x15000001)");
        return std::nullopt;
    }
    std::optional<MacroRecord> record = library.FindMacro(*id);
    if (!record || !IsListedMacro(*record)) {
        context.Fail("no macro has the id " + IdText(*id));
        return std::nullopt;
    }
    return record;
}

nlohmann::json MacroSummary(const MacroRecord& r)
{
    return {
        {"id", r.id},
        {"idText", IdText(r.id)},
        {"category", MacroCategoryOf(r.id)},
        {"name", Utf16ToUtf8(MacroNameOf(r))},
        {"eventCount", r.eventCount},
        {"loopCount", r.loopCount},
        {"singlePress", r.loopCount == LoopSinglePress},
    };
}

std::string LoopText(const nlohmann::json& m)
{
    return m["singlePress"].get<bool>() ? "single press"
                                        : "loop " + std::to_string(m["loopCount"].get<uint32_t>());
}

void List(CliContext& context, const MacroOptions& o)
{
    const auto library = OpenLibrary(context);
    if (!library) {
        return;
    }
    const MacroTable table = library->Snapshot();
    nlohmann::json macros = nlohmann::json::array();
    for (size_t i = 0; i < kMacroTableSlots; ++i) {
        const MacroRecord& r = table.Slot(i);
        if (IsListedMacro(r) && (!o.category || MacroCategoryOf(r.id) == *o.category)) {
            macros.push_back(MacroSummary(r));
        }
    }
    context.Print({{"macros", macros}}, [&] {
        for (const auto& m : macros) {
            std::cout << m["idText"].get<std::string>() << "  " << std::setw(2)
                      << m["category"].get<uint32_t>() << "  " << std::setw(4)
                      << m["eventCount"].get<uint32_t>() << " events  " << std::left
                      << std::setw(14) << LoopText(m) << std::right << "  "
                      << m["name"].get<std::string>() << '\n';
        }
    });
}

const char* KindName(MacroItemKind kind)
{
    switch (kind) {
    case MacroItemKind::Press:
        return "press";
    case MacroItemKind::Release:
        return "release";
    default:
        return "pause";
    }
}

void Show(CliContext& context, const MacroOptions& o)
{
    const auto library = OpenLibrary(context);
    const auto record = library ? FindListed(context, *library, o.id) : std::nullopt;
    if (!record) {
        return;
    }
    bool invalid = false;
    const std::vector<EventItem> items = EventItemsOf(*record, MacroKeyName, &invalid);
    nlohmann::json events = nlohmann::json::array();
    for (const EventItem& item : items) {
        events.push_back({{"kind", KindName(item.kind)},
                          {item.IsPause() ? "ms" : "code", item.value},
                          {"text", Utf16ToUtf8(item.text)}});
    }
    nlohmann::json data = MacroSummary(*record);
    data["events"] = events;
    data["complete"] = !invalid;
    context.Print(data, [&] {
        std::cout << data["name"].get<std::string>() << "  (" << data["idText"].get<std::string>()
                  << ", " << LoopText(data) << ")\n";
        for (const auto& e : events) {
            std::cout << "  " << std::left << std::setw(8) << e["kind"].get<std::string>()
                      << std::right << e["text"].get<std::string>() << '\n';
        }
    });
    if (invalid) {
        context.Fail("event " + std::to_string(items.size() + 1) +
                     " has an unknown kind; the events after it are not shown");
    }
}

void Encode(CliContext& context, const MacroOptions& o)
{
    const auto library = OpenLibrary(context);
    const auto record = library ? FindListed(context, *library, o.id) : std::nullopt;
    if (!record) {
        return;
    }
    const MacroStream stream = EncodeMacroStream(*record);
    const size_t used = static_cast<size_t>(stream.entries) * 2;
    const nlohmann::json data = {
        {"id", record->id},
        {"entries", stream.entries},
        {"stream", HexBytes(std::span(stream.bytes.data(), used))},
        {"bytes", HexBytes(stream.bytes)},
    };
    context.Print(data, [&] {
        std::cout << stream.entries << " entries\n";
        const size_t shown = o.allBytes ? stream.bytes.size() : used;
        std::cout << HexBytes(std::span(stream.bytes.data(), shown), " ") << '\n';
    });
}

void Add(CliContext& context, const MacroOptions& o)
{
    const std::u16string name = Utf8ToUtf16(o.name);
    if (name.empty() || name.size() > kMacroNameEditLimit) {
        context.Fail("a macro name has 1 to 20 characters");
        return;
    }
    EventListModel list;
    for (const std::string& token : o.events) {
        MacroEventParse parsed = ParseMacroEventToken(token, LookupKeyName);
        if (!parsed.item) {
            context.Fail(token + ": " + parsed.error);
            return;
        }
        EventItem item = std::move(*parsed.item);
        if (item.IsKey()) {
            item.text = MacroKeyName(item.value);
        }
        list.Add(std::move(item));
    }
    const auto library = OpenLibrary(context);
    if (!library) {
        return;
    }
    const uint32_t id = NewMacroId(o.addCategory, context.Clock().TickMs(),
                                   [&](uint32_t candidate) { return library->HoldsId(candidate); });
    const std::optional<BuiltMacro> built =
        BuildMacroFromList(list, Utf8ToUtf16(std::to_string(o.loop)), id, name);
    if (!built) {
        context.Fail("a macro needs at least one down: or up: event");
        return;
    }
    if (built->truncated) {
        context.Fail("a macro holds at most 1000 events");
        return;
    }
    switch (library->StoreMacro(built->record)) {
    case MacroStoreResult::Stored:
        break;
    case MacroStoreResult::TableFull:
        context.Fail("500 macros are stored already; delete one first");
        return;
    case MacroStoreResult::Invalid:
    case MacroStoreResult::WriteFailed:
        context.Fail(PathToUtf8(library->FilePath()) + " could not be written");
        return;
    }
    const nlohmann::json data = MacroSummary(built->record);
    context.Print(data, [&] { std::cout << data["idText"].get<std::string>() << '\n'; });
}

void Delete(CliContext& context, const MacroOptions& o)
{
    const auto library = OpenLibrary(context);
    const auto record = library ? FindListed(context, *library, o.id) : std::nullopt;
    if (!record) {
        return;
    }
    ConfigStore store(context.Files(), context.Messages(), context.Strings(), context.DataDir());
    store.LoadDirectory();
    if (StoreMacroUsage(store).IsMacroInUse(record->id)) {
        context.Fail(Utf16ToUtf8(kMacroInUseText.english));
        return;
    }
    if (library->DeleteMacro(record->id) != FileError::None) {
        context.Fail(PathToUtf8(library->FilePath()) + " could not be written");
        return;
    }
    context.Print({{"deleted", record->id}, {"idText", IdText(record->id)}},
                  [&] { std::cout << "deleted " << IdText(record->id) << '\n'; });
}

} // namespace

void RegisterMacroCommands(CLI::App& app, CliContext& context)
{
    auto options = std::make_shared<MacroOptions>();
    CLI::App* macro = app.add_subcommand("macro", "List, show, encode, add and delete macros");
    macro->require_subcommand(1);

    CLI::App* list = macro->add_subcommand("list", "Id, category, events and loop of each macro");
    list->add_option("--category", options->category, "Only this game title (1..21)")
        ->check(CLI::Range(1, 21));
    list->callback([&context, options] { List(context, *options); });

    CLI::App* show = macro->add_subcommand("show", "The events of a macro as the page lists them");
    show->add_option("id", options->id, "Macro id (0x15000001 or decimal)")->required();
    show->callback([&context, options] { Show(context, *options); });

    CLI::App* encode = macro->add_subcommand("encode", "The macro as the mouse receives it");
    encode->add_option("id", options->id, "Macro id")->required();
    encode->add_flag("--all", options->allBytes, "Print all 512 bytes");
    encode->callback([&context, options] { Encode(context, *options); });

    CLI::App* add = macro->add_subcommand(
        "add", "Store a new macro, for example: add --name jump down:Space 50ms up:Space");
    add->add_option("--name", options->name, "Name, up to 20 characters")->required();
    add->add_option("--category", options->addCategory, "Game title 1..21 (21: own macros)")
        ->check(CLI::Range(1, 21));
    add->add_option("--loop", options->loop, "How often the mouse plays it (1..65533)")
        ->check(CLI::Range(1, 65533));
    add->add_option("events", options->events,
                    "down:KEY, up:KEY or a pause like 120ms; KEY is a name as 'macro show' "
                    "prints it or #CODE, a virtual-key code such as #0x41")
        ->required();
    add->callback([&context, options] { Add(context, *options); });

    CLI::App* del = macro->add_subcommand("delete", "Delete a macro that no profile uses");
    del->add_option("id", options->id, "Macro id")->required();
    del->callback([&context, options] { Delete(context, *options); });
}

} // namespace qx71
