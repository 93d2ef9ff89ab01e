#pragma once

#include "core/common/BilingualText.h"
#include "core/update/SupportPageGeometry.h"
#include "core/widgets/Geometry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qx71 {

// The program's own version as the support page shows it.
inline constexpr std::u16string_view kProgramVersionText = u"V1.0.4";

// The restore-defaults question (OK and Cancel, no count-down).
inline constexpr BilingualText kRestoreDefaultsQuestion{
    u"确定要恢复默认设置?", u"Do you want to restore the default setting?"};

// The file dialogs of import and export.
inline constexpr std::string_view kProfileFileFilter = "CFG Files(*.cfg)";
inline constexpr std::string_view kProfileFileSuffix = "cfg";

// The message to the main window that restores the defaults and applies them.
inline constexpr uint32_t kRestoreDefaultsMessage = 0x806;

// The two version areas only show: they stay checked and a click does nothing.
bool IsDisplayOnly(support::Control control);
// The caption a control carries: the version areas are labelled with the texts of their hints
// ("str_driver_version", "str_firmware_version"); the action buttons say what they do beside
// their glyphs, with the texts of their tooltips ("str_update", ...).
std::string_view CaptionKey(support::Control control);

// The hint codes a cursor at `point` (page pixels) posts, in posting order: each control whose
// rectangle grown by one pixel on every side holds the point.
std::vector<uint32_t> SupportHintsAt(Point point);

} // namespace qx71
