#include "core/buttons/ButtonDefaults.h"

#include "core/buttons/FunctionCatalogue.h"

namespace qx71 {

DeviceCode NativeDeviceCode(ButtonIndex button)
{
    // Every default function is a catalogue function, so the lookup always succeeds.
    return CatalogueDeviceCode(ToCode(DefaultFunction(button))).value_or(0);
}

} // namespace qx71
