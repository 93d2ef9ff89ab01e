#pragma once

#include "core/macro/MacroRecord.h"

#include <cstdint>

namespace qx71::test {

// Single events, as a recording or the editor makes them.
constexpr MacroEvent Down(uint32_t code)
{
    return MakeMacroEvent(MacroEventKind::KeyDown, code);
}
constexpr MacroEvent Up(uint32_t code)
{
    return MakeMacroEvent(MacroEventKind::KeyUp, code);
}
constexpr MacroEvent Delay(uint32_t ms)
{
    return MakeMacroEvent(MacroEventKind::Delay, ms);
}

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
