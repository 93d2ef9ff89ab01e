#pragma once

#include "core/i18n/LanguageTable.h"

#include "core/widgets/Geometry.h"
#include "core/widgets/SliderMath.h"

#include <cstdint>
#include <string>

namespace qx71::progress {

// The write progress dialog: its background image, the bar 777 on it and the line of text.
inline constexpr const char* kWindowName = "TolviQX71ProcessDlg";
inline constexpr const char* kImageFolder = "ProgressBar";
inline constexpr const char* kBackgroundImage = "Progress_Normal.png";
inline constexpr const char* kFillImage = "Progress_Over.png";
// Progress_Normal.png is the dialog's whole background: wide enough for the text box.
inline constexpr Size kImageSize{360, 76};
inline constexpr int kBarId = 777;
inline constexpr Rect kBarRect{35, 47, 295, 56};
inline constexpr Rect kTextBox{35, 20, 345, 60};
inline constexpr ValueRange kBarRange{0, 100};
inline constexpr int kTextPointSize = 8;
inline constexpr int kCloseDelayMs = 500;
// The progress message the writer posts, with the value in wParam.
inline constexpr uint32_t kProgressMessage = 0x42B;

// The dialog's text in a language (1 to 12).
std::u16string ProgressText(LanguageId language);

// What one progress report does to the dialog.
struct ProgressStep {
    int barValue = 0;        // what the bar shows (0 for a value outside 0..100)
    bool closeLater = false; // close the dialog kCloseDelayMs from now
};
ProgressStep OnProgress(int value);

// Centred on the primary screen.
constexpr Point CentredPosition(Size screen, Size image)
{
    return {(screen.width - image.width) / 2, (screen.height - image.height) / 2};
}

} // namespace qx71::progress
