#include "core/buttons/NameTranslation.h"

namespace qx71 {

const std::array<NameTranslationPair, 7> kNameTranslationPairs = {{
    {u"单击", u"Click"},
    {u"中键", u"Middle"},
    {u"菜单", u"Menu"},
    {u"前进", u"Forward"},
    {u"后退", u"Back"},
    {u"滚轮前滚", u"Scroll up"},
    {u"滚轮后滚", u"Scroll down"},
}};

std::u16string RetranslateName(std::u16string_view stored, bool chineseUi)
{
    for (const auto& pair : kNameTranslationPairs) {
        if (!chineseUi && stored == pair.chinese) {
            return std::u16string(pair.english);
        }
        if (chineseUi && stored == pair.english) {
            return std::u16string(pair.chinese);
        }
    }
    return std::u16string(stored);
}

} // namespace qx71
