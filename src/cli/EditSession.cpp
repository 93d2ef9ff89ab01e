#include "cli/EditSession.h"

#include "cli/CliContext.h"
#include "cli/CliStores.h"
#include "cli/CliWritePass.h"

#include "core/config/ConfigStore.h"
#include "core/macro/MacroLibrary.h"

namespace qx71 {

EditSession::~EditSession() = default;

EditSession* EditSession::For(CliContext& context)
{
    if (context.edits) {
        return context.edits.get();
    }
    auto library = OpenLibrary(context);
    if (!library) {
        return nullptr;
    }
    std::unique_ptr<EditSession> session(new EditSession);
    session->store_ = LoadStore(context);
    session->library_ = std::move(library);
    const MacroLibrary* macros = session->library_.get();
    session->page_ = std::make_unique<MainSetModel>(
        session->store_->CurrentProfile(), session->store_->ButtonMacroIds(), context.Messages(),
        [&context] { return context.ChineseUi(); }, LibraryMacroNames(*macros));
    session->page_->RefreshFromProfile();
    session->exitCodeAtOpen_ = context.exitCode;
    context.edits = std::move(session);
    return context.edits.get();
}

void FlushEdits(CliContext& context)
{
    const std::unique_ptr<EditSession> session = std::move(context.edits);
    if (!session) {
        return;
    }
    if (session->refused_ || context.exitCode != session->exitCodeAtOpen_) {
        context.exitCode = context.exitCode == 0 ? 1 : context.exitCode;
        return;
    }
    if (session->store_->CurrentProfile().wheelLines != kWheelOneScreen) {
        session->page_->NormaliseScrollLines();
    }
    WriteToMouse(context, *session->store_, false, session->library_.get());
}

} // namespace qx71
