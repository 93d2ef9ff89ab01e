#pragma once

#include "core/macro/MacroInUse.h"

namespace qx71 {

class ConfigStore;

// The macro page's in-use test answered from the profiles: the applied macro ids of all five
// slots and the macro buttons of the current profile.
class StoreMacroUsage final : public IMacroUsage {
public:
    explicit StoreMacroUsage(const ConfigStore& store) : store_(store) {}
    bool IsMacroInUse(uint32_t id) const override;

private:
    const ConfigStore& store_;
};

} // namespace qx71
