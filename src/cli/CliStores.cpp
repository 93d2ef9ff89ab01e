#include "cli/CliStores.h"

#include "cli/CliContext.h"
#include "cli/EditSession.h"
#include "core/common/PathText.h"
#include "core/config/ConfigStore.h"
#include "core/device/CUSBDriver.h"
#include "core/device/DeviceSurvey.h"
#include "core/macro/MacroLibrary.h"

#include <iostream>

namespace qx71 {

std::unique_ptr<ConfigStore> OpenStore(CliContext& context)
{
    FlushEdits(context);
    return LoadStore(context);
}

std::unique_ptr<ConfigStore> LoadStore(CliContext& context)
{
    auto store = std::make_unique<ConfigStore>(context.Files(), context.Messages(),
                                               context.Strings(), context.DataDir(),
                                               [&context] { return context.ChineseUi(); });
    if (!store->LoadDirectory()) {
        context.exitCode = 1;
    }
    return store;
}

bool OpenLink(CliContext& context, CUSBDriver& link)
{
    if (!link.InitLink() || !link.OpenDevice()) {
        context.Fail("The QX71 gaming mouse cannot be found.");
        // Plugged in but not openable is the common case on Linux (the node's permissions):
        // say where to look.
        const DeviceSurvey survey = SurveyDevices(context.Hid(), context.NodeAccess(),
                                                  context.UsbMonitor(), {}, UpdateModeIdentity());
        if (survey.status != MouseStatus::Absent) {
            std::cerr << "The mouse is plugged in but cannot be opened; run \"qx71ctl devices\" to "
                         "see why.\n";
        }
        return false;
    }
    return true;
}

std::unique_ptr<MacroLibrary> OpenLibrary(CliContext& context)
{
    auto library = std::make_unique<MacroLibrary>(
        context.Files(), context.Messages(), context.Strings(), context.DataDir() / kMacroFileName);
    if (!library->LoadMacroFile() && library->WriteProtected()) {
        context.Fail(PathToUtf8(library->FilePath()) + " cannot be read");
        return nullptr;
    }
    return library;
}

} // namespace qx71
