#include "core/buttons/FunctionCatalogue.h"

#include "core/buttons/KeyUsageMap.h"

namespace qx71 {

namespace {

// Consumer-control usages (HID consumer page) of the multimedia functions.
constexpr uint16_t kUsagePlayPause = 0x00CD;
constexpr uint16_t kUsageStop = 0x00B7;
constexpr uint16_t kUsagePrevious = 0x00B6;
constexpr uint16_t kUsageNext = 0x00B5;
constexpr uint16_t kUsageVolumeUp = 0x00E9;
constexpr uint16_t kUsageVolumeDown = 0x00EA;
constexpr uint16_t kUsageMute = 0x00E2;
constexpr uint16_t kUsageMediaPlayer = 0x0183;

constexpr uint8_t kWheelUp = 1;
constexpr uint8_t kWheelDown = 2;

constexpr DeviceCode MouseButtonCode(uint8_t button)
{
    return MakeDeviceCode(DeviceCodeKind::MouseButton, 0, button, 0);
}

constexpr DeviceCode WheelCode(uint8_t direction)
{
    return MakeDeviceCode(DeviceCodeKind::Wheel, 0, direction, 0);
}

constexpr DeviceCode ConsumerCode(uint16_t usage)
{
    return MakeDeviceCode(DeviceCodeKind::Consumer, 0, static_cast<uint8_t>(usage & 0xFF),
                          static_cast<uint8_t>(usage >> 8));
}

constexpr DeviceCode KeyCode(uint8_t modifiers, uint8_t usage)
{
    return MakeDeviceCode(DeviceCodeKind::Keyboard, modifiers, usage, 0);
}

using F = ButtonFunction;
using C = FunctionCategory;

} // namespace

const std::array<CatalogueEntry, kCatalogueSize> kFunctionCatalogue = {{
    {F::Click, C::MouseButton, u"单击", u"Click", MouseButtonCode(kMouseLeft)},
    {F::Menu, C::MouseButton, u"菜单", u"Menu", MouseButtonCode(kMouseRight)},
    {F::Middle, C::MouseButton, u"中键", u"Middle", MouseButtonCode(kMouseMiddle)},
    {F::Forward, C::MouseButton, u"前进", u"Forward", MouseButtonCode(kMouseForward)},
    {F::Back, C::MouseButton, u"后退", u"Back", MouseButtonCode(kMouseBack)},
    {F::ScrollUp, C::Wheel, u"滚轮前滚", u"Scroll up", WheelCode(kWheelUp)},
    {F::ScrollDown, C::Wheel, u"滚轮后滚", u"Scroll down", WheelCode(kWheelDown)},
    {F::PlayPause, C::Multimedia, u"播放/暂停", u"Play/Pause", ConsumerCode(kUsagePlayPause)},
    {F::Stop, C::Multimedia, u"停止", u"Stop", ConsumerCode(kUsageStop)},
    {F::Previous, C::Multimedia, u"上一曲", u"Previous", ConsumerCode(kUsagePrevious)},
    {F::Next, C::Multimedia, u"下一曲", u"Next", ConsumerCode(kUsageNext)},
    {F::VolumeUp, C::Multimedia, u"音量+", u"Volume up", ConsumerCode(kUsageVolumeUp)},
    {F::VolumeDown, C::Multimedia, u"音量-", u"Volume down", ConsumerCode(kUsageVolumeDown)},
    {F::Mute, C::Multimedia, u"静音", u"Mute", ConsumerCode(kUsageMute)},
    {F::Music, C::Multimedia, u"音乐", u"Music", ConsumerCode(kUsageMediaPlayer)},
    {F::CloseWindow, C::Desktop, u"关闭窗口", u"Close window", KeyCode(kModAlt, kUsageF4)},
    {F::LockPc, C::Desktop, u"锁定电脑", u"Lock PC", KeyCode(kModWin, kUsageL)},
    {F::Run, C::Desktop, u"运行", u"Run", KeyCode(kModWin, kUsageR)},
    {F::ShowDesktop, C::Desktop, u"显示桌面", u"Show desktop", KeyCode(kModWin, kUsageD)},
    {F::Disable, C::Disable, u"禁用按键", u"Disable key", kDeviceCodeDisabled},
    {F::ClassicDesktop, C::Desktop, u"进入传统界面", u"Enter classic desktop",
     KeyCode(kModWin, kUsageM)},
    {F::SwitchApplications, C::Desktop, u"切换应用程序", u"Switch applications",
     KeyCode(kModAlt, kUsageTab)},
    {F::Search, C::Desktop, u"搜索", u"Search", KeyCode(kModWin, kUsageQ)},
    {F::ZoomIn, C::Desktop, u"放大", u"sreen zoom in", KeyCode(kModWin, kUsageKeypadPlus)},
    {F::ZoomOut, C::Desktop, u"缩小", u"sreen zoom out", KeyCode(kModWin, kUsageKeypadMinus)},
    {F::Snipe, C::Sniper, u"狙击键", u"SNIPE", kDeviceCodeSnipe},
    {F::Fire, C::Fire, u"火力", u"FIRE", kDeviceCodeFire},
}};

const CatalogueEntry* FindCatalogueEntry(int32_t code)
{
    for (const auto& entry : kFunctionCatalogue) {
        if (ToCode(entry.function) == code) {
            return &entry;
        }
    }
    return nullptr;
}

std::u16string FunctionName(int32_t code, bool chineseUi)
{
    const CatalogueEntry* entry = FindCatalogueEntry(code);
    if (entry == nullptr) {
        return {};
    }
    return std::u16string(chineseUi ? entry->chineseName : entry->englishName);
}

std::optional<DeviceCode> CatalogueDeviceCode(int32_t code)
{
    const CatalogueEntry* entry = FindCatalogueEntry(code);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return entry->deviceCode;
}

} // namespace qx71
