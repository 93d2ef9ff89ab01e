#pragma once

#include "core/common/BilingualText.h"

#include <string_view>

namespace qx71 {

// Texts of the macro page that are built into the program in Chinese and English.
inline constexpr BilingualText kNewMacroText{u"新建宏", u"New Macro"};
inline constexpr BilingualText kRecordRefusedKeyText{
    u"正在修改/插入一个键，无法录制", u"It is Modifying or inserting a button,you can not record"};
inline constexpr BilingualText kRecordRefusedDelayText{
    u"正在修改/插入一个延时，无法录制", u"It is Modifying or inserting a delay,you can not record"};
inline constexpr BilingualText kMacroInUseText{
    u"当前宏正在被使用，不能删除！", u"The macro is being applied and cannot be deleted!"};
inline constexpr BilingualText kMacroTruncatedText{
    u"一个宏最多保存 1000 个事件，之后的事件没有保存。",
    u"A macro holds at most 1000 events; the events after the 1000th were not stored."};
// Shown when a change cannot be stored because Macro.cfg could not be read at start: the file
// still holds the user's macros, and writing the empty table over them would lose them.
inline constexpr BilingualText kMacrosUnreadableText{
    u"无法读取宏文件 Macro.cfg，本次修改没有保存。",
    u"The macros could not be read from Macro.cfg, so this change was not stored."};
// Written to the debugger output when a stored macro holds an event of unknown kind.
inline constexpr std::string_view kInvalidItemDebugLine = "LoadMacroToList:  Not a vaild item";

} // namespace qx71
