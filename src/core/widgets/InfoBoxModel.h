#pragma once

#include "core/common/IMessageSink.h"
#include "core/widgets/Geometry.h"
#include "core/widgets/KitColours.h"

#include <string>
#include <string_view>

namespace qx71::infobox {

// The timed message box: a 330 x 160 skinned box with a title, one message and OK, or OK and
// Cancel.
inline constexpr Size kSize{330, 160};
inline constexpr Rect kCloseButton{300, 0, 329, 29};
inline constexpr Rect kOkButtonOkCancel{178, 127, 244, 159};
inline constexpr Rect kCancelButton{245, 127, 311, 159};
inline constexpr Rect kOkButtonOkOnly{240, 127, 306, 159};
// The message: left-aligned and vertically centred in this box; a longer one wraps below it.
inline constexpr Rect kMessageBox{90, 73, 305, 91};
inline constexpr Rect kTitleBox{10, 9, 100, 23};
// The sign left of the message, drawn from its own image.
inline constexpr Rect kIconBox{28, 50, 76, 98};
// The dark look: the message and the buttons' captions in the kit's colours (normal, hover,
// pressed), the title in amber on its band.
inline constexpr Rgb kMessageColour = kitcolours::kTextNormal;
inline constexpr Rgb kTitleColour{240, 170, 40};
// The button row; a message that wraps down to it makes the box taller instead.
inline constexpr int kButtonRowTop = 127;
inline constexpr int kMessageGap = 6; // kept between the message's last line and the buttons

enum class Style { OkOnly = 0, OkCancel = 1 };
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;

inline constexpr const char* kWindowName = "TolviQX71InfoDlg";
inline constexpr int kCountDownTimerId = 2321;
inline constexpr int kCountDownIntervalMs = 1000;
inline constexpr int kCountDownStart = 5;
inline constexpr int kScreenRightMargin = 10;

// The images of each style: background (also the disabled and normal states), hover sheet,
// pressed sheet. Bitmap resources, 330 x 160 each.
struct StyleImages {
    int background;
    int hover;
    int pressed;
};
constexpr StyleImages ImagesOf(Style style)
{
    return style == Style::OkCancel ? StyleImages{1006, 1008, 1004} : StyleImages{1007, 1009, 1005};
}
constexpr Rect OkButtonOf(Style style)
{
    return style == Style::OkCancel ? kOkButtonOkCancel : kOkButtonOkOnly;
}

// Centred on the primary screen, or at its bottom-right corner while counting down.
constexpr Point CentredPosition(Size screen)
{
    return {(screen.width - kSize.width) / 2, (screen.height - kSize.height) / 2};
}
constexpr Point CountDownPosition(Size screen)
{
    return {screen.width - kSize.width - kScreenRightMargin, screen.height - kSize.height};
}

// The sign's images under skins/: a question for OK and Cancel, else the message's own.
enum class Icon { Warning, Information, Question };
inline constexpr std::string_view kIconImages[] = {"InfoBox/Warning.png", "InfoBox/Information.png",
                                                   "InfoBox/Question.png"};
constexpr Icon IconFor(Style style, MessageIcon icon)
{
    if (style == Style::OkCancel) {
        return Icon::Question;
    }
    return icon == MessageIcon::Information ? Icon::Information : Icon::Warning;
}
constexpr std::string_view IconImageOf(Icon icon)
{
    return kIconImages[static_cast<size_t>(icon)];
}

std::u16string TitleText(bool chineseUi);
std::u16string OkText(bool chineseUi);
std::u16string CancelText(bool chineseUi);
std::u16string CountDownText(bool chineseUi, int seconds);

// The count-down on the OK button. Open shows 5; each tick shows the remaining seconds and
// counts one down; the tick that finds nothing left closes the box, and still shows 0.
class CountDown {
public:
    int Open();
    struct Tick {
        bool close = false; // stop the timer and close the box with kResultCancel
        int caption = 0;    // the seconds the OK caption shows now
    };
    Tick OnTick();
    int Remaining() const { return remaining_; }

private:
    int remaining_ = 0;
};

// How far the box grows when the message needs `messageHeight` pixels below the top of the
// message box: 0 while it ends above the buttons.
int ExtraHeightFor(int messageHeight);

} // namespace qx71::infobox
