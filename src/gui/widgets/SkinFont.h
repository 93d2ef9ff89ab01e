#pragma once

#include <QFont>

namespace qx71::gui {

// The dialog font the skins are drawn for ("MS Shell Dlg"): DejaVu Sans with WenQuanYi Micro
// Hei for Chinese and Korean, at a height in pixels, light weight.
QFont ShellDlgFont(int pixelHeight);
// The same families at a size in points, normal weight (the progress dialog's text).
QFont SansFont(int pointSize);

} // namespace qx71::gui
