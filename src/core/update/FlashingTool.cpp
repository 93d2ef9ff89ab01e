#include "core/update/FlashingTool.h"

#include "core/common/Utf.h"
#include "core/update/IProcessStarter.h"
#include "core/update/UpdateTexts.h"

namespace qx71 {

std::string FlashingToolArgument(bool chineseUi)
{
    return chineseUi ? "1" : "0";
}

bool StartFlashingTool(IProcessStarter& starter, const std::filesystem::path& tool, bool chineseUi,
                       const std::function<void(const std::u16string&)>& report,
                       const std::function<void()>& closeProgram)
{
    if (starter.Start(tool, {FlashingToolArgument(chineseUi)})) {
        closeProgram();
        return true;
    }
    std::u16string text(kFlashingToolFailedText.In(chineseUi));
    const size_t at = text.find(u"%s");
    text.replace(at, 2, Utf8ToUtf16(tool.string()));
    report(text);
    return false;
}

} // namespace qx71
