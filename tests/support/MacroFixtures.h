#pragma once

#include "core/macro/MacroRecord.h"

#include <cstdint>

namespace qx71::test {

// A stored macro that presses and releases A once.
inline MacroRecord PressAMacro(uint32_t id)
{
    MacroRecord m;
    m.size = kMacroRecordSize;
    m.magic = kMacroMagic;
    m.id = id;
    m.loopCount = 1;
    m.eventCount = 2;
    m.events[0] = MakeMacroEvent(MacroEventKind::KeyDown, 0x41);
    m.events[1] = MakeMacroEvent(MacroEventKind::KeyUp, 0x41);
    return m;
}

} // namespace qx71::test
