#include "core/update/UpdateDescription.h"

#include "core/i18n/ElementText.h"
#include "core/markup/SharedMarkupDocument.h"
#include "core/update/FirmwareVersion.h"

namespace qx71 {

int32_t FirmwareOffer::Version() const
{
    return VersionNumber(current.value_or(std::u16string()));
}

FirmwareOffer ReadUpdateDescription(SharedMarkupDocument& shared, const std::filesystem::path& file)
{
    auto unit = shared.Begin();
    FirmwareOffer offer;
    unit->LoadFile(file);
    offer.read = unit->ReadError() == FileError::None;
    offer.current = FindElementText(*unit, "firmware", "current");
    offer.newfile = FindElementText(*unit, "firmware", "newfile");
    return offer;
}

} // namespace qx71
