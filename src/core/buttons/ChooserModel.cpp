#include "core/buttons/ChooserModel.h"

#include "core/buttons/ButtonDefaults.h"
#include "core/macro/IKeyCapture.h"

namespace qx71 {

ChooserModel::ChooserModel(ButtonIndex button, std::u16string currentName, MacroLister macros,
                           IKeyCapture* capture)
    : button_(button), currentName_(std::move(currentName)), capture_(capture),
      macro_(std::move(macros))
{
    result_.buttonIndex = static_cast<int32_t>(ToIndex(button));
}

ChooserModel::~ChooserModel()
{
    // Whatever ended the chooser, the keys go back to the main window.
    RouteKeys(false);
}

void ChooserModel::Open()
{
    macro_.Start();
    SelectTab(ChooserPage::Key);
}

void ChooserModel::SelectTab(ChooserPage page)
{
    if (disable_ || page == ChooserPage::None) {
        visible_ = ChooserPage::None;
        RouteKeys(false);
        return;
    }
    visible_ = page;
    RouteKeys(page == ChooserPage::Key);
}

void ChooserModel::ClickDisable()
{
    disable_ = !disable_;
    SelectTab(ChooserPage::Key);
}

ChooserEnd ChooserModel::PressOk()
{
    if (disable_) {
        result_.code = kDisabledChooserCode;
        result_.kind = ToCode(ButtonFunction::Disable);
        return End(true);
    }
    switch (visible_) {
    case ChooserPage::Key:
        result_.code = static_cast<int32_t>(key_.ResultCode());
        result_.kind = ToCode(ButtonFunction::Key);
        break;
    case ChooserPage::Macro:
        result_.code = static_cast<int32_t>(macro_.ResultCode());
        if (result_.code != 0) {
            result_.kind = ToCode(ButtonFunction::Macro);
        }
        break;
    case ChooserPage::Basic:
        result_.code = basic_.ResultCode();
        break;
    case ChooserPage::Advanced:
        if (const auto host = advanced_.Result(button_)) {
            result_ = *host;
        } else {
            result_.code = 0;
        }
        break;
    case ChooserPage::None:
        break;
    }
    return End(true);
}

ChooserEnd ChooserModel::PressDefault()
{
    result_.code = ToCode(DefaultFunction(button_));
    return End(true);
}

ChooserEnd ChooserModel::PressClose()
{
    return End(false);
}

ChooserEnd ChooserModel::CloseOther()
{
    return End(false);
}

void ChooserModel::RouteKeys(bool toKeyPage)
{
    if (capture_ == nullptr) {
        return;
    }
    if (toKeyPage) {
        capture_->CaptureKeys();
    } else {
        capture_->StopCapture();
    }
}

ChooserEnd ChooserModel::End(bool ok)
{
    RouteKeys(false);
    // Nothing chosen counts as a cancel: the page then changes nothing.
    return ok && result_.code != 0 ? ChooserEnd::Ok : ChooserEnd::Cancel;
}

} // namespace qx71
