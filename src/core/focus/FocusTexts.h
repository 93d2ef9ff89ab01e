#pragma once

#include "core/common/BilingualText.h"

namespace qx71::focustexts {

// "%1" stands for the program's name.
inline constexpr BilingualText kUseWhileActive{u"在 %1 处于活动状态时使用",
                                               u"Use while %1 is active"};
inline constexpr BilingualText kUnderWayland{
    u"Wayland 下不可用：程序无法得知哪个窗口拥有焦点",
    u"Not under Wayland: no program may learn which window has the focus"};
inline constexpr BilingualText kNoActiveWindow{
    u"不可用：窗口管理器不提供活动窗口",
    u"Not available: the window manager does not tell which window is active"};
inline constexpr BilingualText kNoDisplay{u"不可用：没有 X11 显示",
                                          u"Not available: there is no X11 display"};
inline constexpr BilingualText kNoProgramYet{u"尚无其他程序获得过焦点",
                                             u"No other program has had the focus yet"};
// The hint and tooltip of a profile button whose profile a rule chose, in place of the
// button's own ("%1", which its caption shows): "%2" the program. Short, so that the hint
// line shows the program whole.
inline constexpr BilingualText kChosenHint{u"规则：%2 活动中", u"Rule: %2 is active"};

// A rule edit of the window that did not reach the file: "%1" the file.
inline constexpr BilingualText kRulesNotSaved{
    u"规则无法保存到 %1，规则保持不变。",
    u"The rules could not be saved to %1; they are as they were."};
inline constexpr BilingualText kRulesDamaged{u"%1 不是规则文件，未作改动。",
                                             u"%1 is not a rules file; it was left as it is."};

} // namespace qx71::focustexts
