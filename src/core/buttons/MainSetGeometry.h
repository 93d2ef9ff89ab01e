#pragma once

#include "core/buttons/ButtonIndex.h"
#include "core/widgets/Geometry.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace qx71::mainset {

// The button assignment page's layout, in page pixels. The page fills the main window's page
// area; its sheets are drawn at exactly this size, so every rectangle here is also where the
// skin generator draws that control's face.
inline constexpr Size kPageSize{925, 452};

// The page's sheets under skins/, all kPageSize and free of words: the background (also the
// normal and disabled face of every bitmap button), the hover faces and the pressed faces (a
// checked toggle shows its pressed face).
inline constexpr std::string_view kSheetNormal = "QX71_Main_Normal.bmp";
inline constexpr std::string_view kSheetOver = "QX71_Main_Over.bmp";
inline constexpr std::string_view kSheetDown = "QX71_Main_Down.bmp";

// The page images that carry the words (section titles, slider marks, the captions of the
// tabs, of the accuracy button and of the wheel controls), one set for Chinese and one for
// every other language, each of the whole page. The hover image is also what the page paints
// behind its two sliders.
struct LanguageSheets {
    std::string_view normal;
    std::string_view hover;
    std::string_view pressed;
};
inline constexpr LanguageSheets kChineseSheets{
    "MainSet/Page_Chinese_Normal.bmp",
    "MainSet/Page_Chinese_Over.bmp",
    "MainSet/Page_Chinese_Down.bmp",
};
inline constexpr LanguageSheets kOtherSheets{
    "MainSet/Page_Other_Normal.bmp",
    "MainSet/Page_Other_Over.bmp",
    "MainSet/Page_Other_Down.bmp",
};
constexpr const LanguageSheets& LanguageSheetsFor(bool chinese)
{
    return chinese ? kChineseSheets : kOtherSheets;
}

inline constexpr size_t kDpiButtonCount = 8;
inline constexpr size_t kRateButtonCount = 3;
inline constexpr size_t kSectionCount = 6;

// Section titles, in the order of the hover table: DPI, pointer speed, sensor, USB report
// rate, wheel, button assignment.
inline constexpr Rect kDpiCaption{19, 16, 300, 40};
inline constexpr Rect kSpeedCaption{19, 112, 300, 136};
inline constexpr Rect kSensorCaption{392, 112, 672, 136};
inline constexpr Rect kRateCaption{19, 240, 300, 264};
inline constexpr Rect kWheelCaption{392, 240, 672, 264};
inline constexpr Rect kAssignCaption{19, 372, 300, 398};
inline constexpr std::array<Rect, kSectionCount> kSectionCaptions{
    kDpiCaption, kSpeedCaption, kSensorCaption, kRateCaption, kWheelCaption, kAssignCaption,
};

// Eight DPI buttons in one row, left to right in the order of their values.
inline constexpr int kDpiRowLeft = 19;
inline constexpr int kDpiButtonWidth = 76;
inline constexpr int kDpiButtonStep = 84;
inline constexpr int kDpiRowTop = 48;
inline constexpr int kDpiRowBottom = 80;
constexpr Rect DpiButton(size_t index)
{
    const int left = kDpiRowLeft + static_cast<int>(index) * kDpiButtonStep;
    return {left, kDpiRowTop, left + kDpiButtonWidth, kDpiRowBottom};
}

// The two sliders: their tracks (the thumb moves inside), and the marks at both ends that the
// page image carries ("Slow"/"Fast", "Low"/"High").
inline constexpr Rect kSpeedTrack{70, 144, 310, 172};
inline constexpr Rect kSlowMark{19, 148, 66, 168};
inline constexpr Rect kFastMark{314, 148, 372, 168};
inline constexpr Rect kSensorTrack{443, 144, 620, 172};
inline constexpr Rect kLowMark{392, 148, 439, 168};
inline constexpr Rect kHighMark{624, 148, 692, 168};
inline constexpr Size kSliderThumb{14, 28};
// The rows the page paints from the language's hover image: each slider's marks and track.
inline constexpr Rect kSpeedRow{kSlowMark.left, kSpeedTrack.top, kFastMark.right,
                                kSpeedTrack.bottom};
inline constexpr Rect kSensorRow{kLowMark.left, kSensorTrack.top, kHighMark.right,
                                 kSensorTrack.bottom};

inline constexpr Rect kAccuracyButton{19, 186, 310, 214};

// 125, 500 and 1000 Hz, left to right.
inline constexpr std::array<Rect, kRateButtonCount> kRateButtons{{
    {19, 272, 119, 304},
    {127, 272, 227, 304},
    {235, 272, 335, 304},
}};

// The wheel controls sit differently in the Chinese page image and in the one of every other
// language, whose captions are longer.
struct WheelLayout {
    Rect linesButton;
    Rect linesField;
    Rect upArrow;
    Rect downArrow;
    Rect screenButton;
};
inline constexpr WheelLayout kWheelLayoutOther{
    {392, 272, 532, 304}, {538, 275, 578, 301}, {582, 272, 604, 287},
    {582, 289, 604, 304}, {612, 272, 692, 304},
};
inline constexpr WheelLayout kWheelLayoutChinese{
    {392, 272, 482, 304}, {488, 275, 528, 301}, {532, 272, 554, 287},
    {532, 289, 554, 304}, {572, 272, 692, 304},
};
// Where the page says that the desktop does not use a pointer setting: under the precision
// button (speed and precision) and under the wheel controls.
inline constexpr Rect kPointerNoteArea{20, 218, 390, 240};
inline constexpr Rect kWheelNoteArea{392, 310, 720, 332};

constexpr const WheelLayout& WheelLayoutFor(bool chinese)
{
    return chinese ? kWheelLayoutChinese : kWheelLayoutOther;
}

// The seven tabs across the bottom of the page, one per ButtonIndex: parallelograms, each the
// window region of its button (corners top-left, top-right, bottom-right, bottom-left).
inline constexpr std::array<Quad, kButtonCount> kTabs{{
    {{{19, 408}, {127, 408}, {95, 441}, {19, 441}}},
    {{{130, 408}, {214, 408}, {182, 441}, {98, 441}}},
    {{{218, 408}, {302, 408}, {270, 441}, {186, 441}}},
    {{{306, 408}, {389, 408}, {357, 441}, {274, 441}}},
    {{{393, 408}, {476, 408}, {444, 441}, {361, 441}}},
    {{{481, 408}, {581, 408}, {549, 441}, {449, 441}}},
    {{{586, 408}, {692, 408}, {660, 441}, {554, 441}}},
}};

// The picture of the mouse, and the spots on its drawn buttons, one per ButtonIndex: left
// button, wheel, right button, front side button, rear side button, above and below the wheel.
inline constexpr Rect kMousePicture{700, 96, 900, 400};
inline constexpr std::array<Rect, kButtonCount> kSpots{{
    {765, 143, 791, 173},
    {797, 158, 826, 182},
    {832, 144, 859, 171},
    {721, 206, 750, 231},
    {727, 245, 756, 268},
    {797, 131, 825, 157},
    {798, 185, 825, 208},
}};

// A spot lights while the cursor rests on its tab's bounding rectangle narrowed by this much
// at the left and at the right (the slanted ends overlap the neighbours).
inline constexpr int kSpotTabInset = 17;

} // namespace qx71::mainset
