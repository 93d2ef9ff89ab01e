#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qx71 {

class SharedMarkupDocument;

// What an update description offers: the "current" and "newfile" texts of its "firmware"
// element, each nullopt when the element is missing.
struct FirmwareOffer {
    bool read = false; // the file could be read
    std::optional<std::u16string> current;
    std::optional<std::u16string> newfile;

    // The offered version as the update check compares it (0 without "current").
    int32_t Version() const;
};

// Loads the description into the shared document and reads the offer, as one unit, so no
// language load or other check can come between the load and the lookups.
FirmwareOffer ReadUpdateDescription(SharedMarkupDocument& shared,
                                    const std::filesystem::path& file);

} // namespace qx71
