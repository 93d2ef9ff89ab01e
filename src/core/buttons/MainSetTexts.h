#pragma once

#include "core/buttons/ButtonIndex.h"
#include "core/buttons/MainSetGeometry.h"
#include "core/common/BilingualText.h"

#include <array>

namespace qx71::mainset {

// The words the page images carry: the program draws none of them itself, so they are in the
// language of the page images (Chinese, or English for every other language).

// The section titles, in the order of kSectionCaptions.
inline constexpr std::array<BilingualText, kSectionCount> kSectionTitles{{
    {u"DPI 设置", u"DPI Settings"},
    {u"指针速度", u"Pointer Speed"},
    {u"感应高度", u"Sensor Height"},
    {u"USB 回报率", u"USB Report Rate"},
    {u"滚轮设置", u"Wheel Scrolling"},
    {u"按键设置", u"Button Assignment"},
}};

// The marks at both ends of the sliders.
inline constexpr BilingualText kSlowText{u"慢", u"Slow"};
inline constexpr BilingualText kFastText{u"快", u"Fast"};
inline constexpr BilingualText kLowText{u"低", u"Low"};
inline constexpr BilingualText kHighText{u"高", u"High"};

inline constexpr BilingualText kAccuracyText{u"提高指针精确度", u"Enhance pointer precision"};
inline constexpr BilingualText kLinesText{u"滚动行数", u"Lines per notch"};
inline constexpr BilingualText kScreenText{u"一次滚动一屏", u"One screen"};

// The tabs, one per ButtonIndex.
inline constexpr std::array<BilingualText, kButtonCount> kTabCaptions{{
    {u"左键", u"Left"},
    {u"中键", u"Middle"},
    {u"右键", u"Right"},
    {u"前进键", u"Forward"},
    {u"后退键", u"Back"},
    {u"滚轮向上", u"Wheel up"},
    {u"滚轮向下", u"Wheel down"},
}};

} // namespace qx71::mainset
