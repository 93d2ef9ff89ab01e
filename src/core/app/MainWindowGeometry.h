#pragma once

#include "core/widgets/Geometry.h"

#include <array>
#include <string_view>

namespace qx71::mainwindow {

// The main window's layout. The skin sheets are drawn at exactly this size, and the window
// takes the size of its background sheet.
inline constexpr Size kWindowSize{960, 650};

inline constexpr Rect kMinimiseButton{887, 2, 921, 33};
inline constexpr Rect kHideButton{922, 2, 956, 33};
inline constexpr Rect kLanguageButton{15, 617, 57, 635};
inline constexpr Rect kFlagPicture{19, 592, 55, 615};
inline constexpr int kFlagPictureId = 1010;
inline constexpr Rect kPageArea{15, 128, 940, 580};
inline constexpr Rect kHintArea{67, 598, 300, 628};

// The background around the page area: a page always covers that area, so the window keeps
// only these four pieces of its sheet (top, left, right, bottom).
inline constexpr std::array<Rect, 4> kFramePieces{{
    {0, 0, kWindowSize.width, kPageArea.top},
    {0, kPageArea.top, kPageArea.left, kPageArea.bottom},
    {kPageArea.right, kPageArea.top, kWindowSize.width, kPageArea.bottom},
    {0, kPageArea.bottom, kWindowSize.width, kWindowSize.height},
}};
static_assert(kFramePieces[0].Width() * kFramePieces[0].Height() +
                      kFramePieces[1].Width() * kFramePieces[1].Height() +
                      kFramePieces[2].Width() * kFramePieces[2].Height() +
                      kFramePieces[3].Width() * kFramePieces[3].Height() +
                      kPageArea.Width() * kPageArea.Height() ==
                  kWindowSize.width * kWindowSize.height,
              "the pieces and the page tile the window");

inline constexpr int kPageCount = 5;
inline constexpr int kProfileButtonCount = 5;

// Clickable only inside these polygons.
inline constexpr std::array<Quad, kPageCount> kTabs{{
    {{{30, 85}, {189, 85}, {210, 121}, {30, 121}}},
    {{{193, 85}, {375, 85}, {396, 121}, {214, 121}}},
    {{{377, 85}, {559, 85}, {579, 121}, {399, 121}}},
    {{{562, 85}, {743, 85}, {764, 121}, {583, 121}}},
    {{{747, 85}, {928, 85}, {928, 121}, {768, 121}}},
}};

inline constexpr std::array<Quad, kProfileButtonCount> kProfileButtons{{
    {{{342, 608}, {435, 608}, {414, 635}, {321, 635}}},
    {{{439, 608}, {533, 608}, {512, 635}, {417, 635}}},
    {{{536, 608}, {628, 608}, {605, 635}, {513, 635}}},
    {{{630, 608}, {723, 608}, {700, 635}, {607, 635}}},
    {{{725, 608}, {818, 608}, {795, 635}, {703, 635}}},
}};

// The dot that says a rule chose a profile: near the top right corner of its button, inside
// the slanted right edge.
inline constexpr int kRuleMarkSize = 7;
inline constexpr int kRuleMarkInset = 20; // from the top edge's right end
inline constexpr int kRuleMarkTop = 612;
constexpr Rect RuleMarkRect(int profileIndex)
{
    const int right = kProfileButtons[static_cast<size_t>(profileIndex)][1].x;
    return {right - kRuleMarkInset, kRuleMarkTop, right - kRuleMarkInset + kRuleMarkSize,
            kRuleMarkTop + kRuleMarkSize};
}

inline constexpr Quad kApplyButton{{{841, 591}, {940, 591}, {940, 632}, {806, 632}}};

// The three sheets of the window, each exactly kWindowSize: the background, and the pressed
// and hover faces of the three small buttons at their own rectangles.
inline constexpr std::string_view kSheetNormal = "Main_Normal.bmp";
inline constexpr std::string_view kSheetDown = "Main_Down.bmp";
inline constexpr std::string_view kSheetOver = "Main_Over.bmp";

// The sheets of the irregular buttons (bitmap resources, each kWindowSize): a button cuts its
// images at its own bounding rectangle. Normal, hover, pressed; the disabled image is cut
// from kSheetNormal, which shows the buttons dimmed.
struct RegionSheets {
    int normal;
    int hover;
    int pressed;
};
constexpr RegionSheets RegionSheetsFor(bool chineseUi)
{
    return chineseUi ? RegionSheets{154, 156, 155} : RegionSheets{157, 159, 158};
}

// The popup of the language button: its size, and where it opens relative to the button.
inline constexpr Size kLanguageMenuSize{116, 273};
inline constexpr int kLanguageMenuLeftOffset = -4;  // from the button's left edge
inline constexpr int kLanguageMenuTopOffset = -287; // from the button's bottom edge

} // namespace qx71::mainwindow
