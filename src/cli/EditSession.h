#pragma once

#include "core/buttons/MainSetModel.h"

#include <memory>

namespace qx71 {

class CliContext;
class ConfigStore;
class MacroLibrary;

// The edits that the commands of one call make to the profile in use, through the same page
// models as the window. They are written together in one pass when something next reads the
// profile or the mouse, or when the call ends; a refused edit, or any command of the call that
// fails meanwhile, drops the whole call's edits.
class EditSession {
public:
    ~EditSession();

    // The call's session, opened on first use; nullptr (after printing why) when the profile
    // or the macros cannot be read.
    static EditSession* For(CliContext& context);

    MainSetModel& Page() { return *page_; }
    ConfigStore& Store() { return *store_; }
    const MacroLibrary& Library() const { return *library_; }

    // An edit was refused: nothing of this call is sent or saved.
    void Refuse() { refused_ = true; }

private:
    EditSession() = default;
    friend void FlushEdits(CliContext& context);

    std::unique_ptr<ConfigStore> store_;
    std::unique_ptr<MacroLibrary> library_;
    std::unique_ptr<MainSetModel> page_;
    bool refused_ = false;
    // A command of the call that fails after the edits began drops them too.
    int exitCodeAtOpen_ = 0;
};

// Writes the pending edits, if any, in one pass (the lines field normalised first, as before
// Apply); saved only when the mouse took them.
void FlushEdits(CliContext& context);

} // namespace qx71
