// The write progress dialog at 0, 42 and 100, in English and Chinese.
#include "Gallery.h"

#include "gui/config/CDlgProgress.h"

namespace qx71::gallery {
namespace {

const RegisterScene kProgress("progress", [](Shots& shots) {
    for (const bool chinese : {false, true}) {
        UseChinese(chinese);
        for (const int value : {0, 42, 100}) {
            gui::CDlgProgress dialog;
            dialog.Prepare();
            dialog.OnProgress(value);
            dialog.CloseTimer().stop();
            shots.Take(QStringLiteral("progress-%1-%2").arg(value).arg(chinese ? "zh" : "en"),
                       dialog);
            dialog.CloseDialog();
        }
    }
    UseChinese(false);
});

} // namespace
} // namespace qx71::gallery
