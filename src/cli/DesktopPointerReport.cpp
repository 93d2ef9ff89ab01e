#include "cli/DesktopPointerReport.h"

#include "cli/CliContext.h"

#include "core/hooks/IPointerSettings.h"

#include <iostream>

namespace qx71 {

namespace {

PointerSupport SupportIn(CliContext& context)
{
    const IPointerSettings* pointer = context.Pointer();
    return pointer != nullptr ? pointer->Supports() : PointerSupport{};
}

std::string Known(const std::optional<int>& value, bool kept)
{
    if (!kept) {
        return "not kept by this desktop";
    }
    return value ? std::to_string(*value) : "unknown";
}

nlohmann::json JsonOf(const std::optional<int>& value)
{
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

} // namespace

nlohmann::json DesktopUsesJson(CliContext& context)
{
    const PointerSupport support = SupportIn(context);
    return {{"desktop", context.PointerDesktopName()},
            {"speed", support.speed},
            {"precision", support.precision},
            {"wheelLines", support.wheelLines}};
}

std::string DesktopUsesLine(CliContext& context)
{
    return "this desktop (" + context.PointerDesktopName() +
           ") uses of the pointer settings: " + PointerSupportList(SupportIn(context));
}

void ShowDesktopPointer(CliContext& context)
{
    IPointerSettings* pointer = context.Pointer();
    const PointerSupport support = SupportIn(context);
    const PointerValues values = pointer != nullptr ? pointer->Current() : PointerValues{};
    nlohmann::json data = DesktopUsesJson(context);
    data["current"] = {
        {"speed", JsonOf(values.speed)},
        {"precision", values.precision ? nlohmann::json(*values.precision) : nullptr},
        {"wheelLines", JsonOf(values.wheelLines)},
    };
    context.Print(data, [&] {
        std::cout << "desktop: " << context.PointerDesktopName()
                  << "\nkept settings: " << PointerSupportList(support)
                  << "\npointer speed: " << Known(values.speed, support.speed)
                  << "\nenhanced precision: "
                  << (!support.precision  ? "not kept by this desktop"
                      : !values.precision ? "unknown"
                      : *values.precision ? "on"
                                          : "off")
                  << "\nwheel: ";
        if (support.wheelLines && values.wheelLines == IPointerSettings::kWheelOneScreen) {
            std::cout << "one screen\n";
        } else {
            std::cout << Known(values.wheelLines, support.wheelLines)
                      << (support.wheelLines && values.wheelLines ? " lines\n" : "\n");
        }
    });
}

} // namespace qx71
