#pragma once

#include "core/app/MainWindowGeometry.h"
#include "core/widgets/Geometry.h"
#include "core/widgets/KitColours.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qx71::support {

// The support page's layout in page client pixels. support_normal, support_down and
// support_over are drawn at exactly kPageSize; each control's images are cut from them at its
// rectangle.
inline constexpr Size kPageSize{mainwindow::kPageArea.Width(), mainwindow::kPageArea.Height()};
inline constexpr std::string_view kSheetNormal = "support_normal.bmp";
inline constexpr std::string_view kSheetDown = "support_down.bmp";
inline constexpr std::string_view kSheetOver = "support_over.bmp";
// The web-site button has nothing to open when the program was built without an address; it
// is then disabled and cut from this sheet, which draws the buttons dimmed.
inline constexpr std::string_view kSheetDisabled = "support_disabled.bmp";

enum class Control : size_t {
    Update,
    WebSite,
    Import,
    Export,
    Defaults,
    ProgramVersion,  // display only, shown checked
    FirmwareVersion, // display only, shown checked
};
inline constexpr size_t kControlCount = 7;

struct ControlSpec {
    Control control;
    Rect rect;
    std::string_view tooltipKey; // empty: no tooltip
    uint32_t hint;
};

// In table order, which is also the order in which hints are posted. The five actions are
// wide enough for their glyph and their caption on up to two lines beside it; each still
// covers the middle of the place the original layout gave it, where users and scripts click.
inline constexpr std::array<ControlSpec, kControlCount> kControls{{
    {Control::Update, {380, 258, 580, 300}, "str_update", 56},
    {Control::WebSite, {662, 258, 862, 300}, "str_tolviWeb", 57},
    {Control::Import, {58, 382, 268, 424}, "str_importFile", 58},
    {Control::Export, {274, 382, 484, 424}, "str_exportFile", 59},
    {Control::Defaults, {662, 382, 862, 424}, "str_defaultname", 60},
    {Control::ProgramVersion, {77, 110, 274, 141}, "", 89},
    {Control::FirmwareVersion, {380, 113, 559, 140}, "", 90},
}};

constexpr const ControlSpec& Spec(Control control)
{
    return kControls[static_cast<size_t>(control)];
}

// An action's glyph stands at the left of its button, in a square as tall as the button; the
// caption follows it.
inline constexpr int kGlyphInset = 4;
constexpr Rect GlyphRect(const Rect& button)
{
    return {button.left + kGlyphInset, button.top, button.left + kGlyphInset + button.Height(),
            button.bottom};
}

// The two version texts: "MS Shell Dlg" at 12 points, regular, in (193, 210, 238) on an
// opaque background, left-aligned from the top-left corner of their layout boxes (given as
// x, y, width, height).
struct LayoutBox {
    int x;
    int y;
    int width;
    int height;
};
inline constexpr LayoutBox kProgramVersionBox{127, 169, 247, 192};
inline constexpr LayoutBox kFirmwareVersionBox{440, 169, 515, 192};
inline constexpr int kVersionFontPoints = 12;
inline constexpr Rgb kVersionText{193, 210, 238};
// The opaque background of the version texts. The sheets draw a well of this colour under
// each text, so the text's background and the page meet without a seam.
inline constexpr Rgb kVersionBackground{18, 20, 24};
inline constexpr Rect kProgramVersionWell{87, 158, 264, 200};
inline constexpr Rect kFirmwareVersionWell{390, 158, 549, 200};

} // namespace qx71::support
