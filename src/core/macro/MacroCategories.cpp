#include "core/macro/MacroCategories.h"

namespace qx71 {

const MacroCategoryTexts kMacroCategories[kMacroCategoryCount] = {
    {1, u"战地 3 ", u"Battlefield 3 ", u"战地 3", u"Battlefield 3", u"战地 3", u"Battlefield 3"},
    {2, u"星球大战:旧共和国", u"Star Wars: The Old Republic", u"星球大战:旧共和国",
     u"Star Wars: The Old Republic", u"星球大战:旧共和国", u"Star Wars: The Old Republic"},
    {3, u"反恐精英:全球攻势", u"Counter-Strike: Global Offensive", u"反恐精英:全球攻势",
     u"Counter-Strike: Global Offensive", u"反恐精英:全球攻势",
     u"Counter-Strike: Global Offensive"},
    {4, u"上古卷轴5：天际", u"Elder Scrolls V: Skyrim", u"上古卷轴5：天际",
     u"Elder Scrolls V: Skyrim", u"上古卷轴5：天际", u"Elder Scrolls V: Skyrim"},
    {5, u"军团要塞2", u"Team Fortress 2", u"军团要塞 2", u"Team Fortress 2", u"军团要塞 2",
     u"Team Fortress 2"},
    {6, u"蝙蝠侠：阿甘之城", u"Batman Arkham City", u"蝙蝠侠：阿甘之城", u"Batman Arkham City",
     u"蝙蝠侠：阿甘之城", u"Batman Arkham City"},
    {7, u"文明 5 ", u"Civilization 5 ", u"文明 5 ", u"Civilization 5 ", u"文明 5 ",
     u"Civilization 5 "},
    {8, u"坦克世界", u"World of Tanks", u"坦克世界", u"World of Tanks", u"坦克世界",
     u"World of Tanks"},
    {9, u"无主之地 2", u"Borderlands 2", u"无主之地 2", u"Borderlands 2", u"无主之地 2",
     u"Borderlands 2"},
    {10, u"纪元 2070：雷诺起源", u"Anno 2070", u"纪元 2070：雷诺起源", u"Anno 2070",
     u"纪元 2070：雷诺起源", u"Anno 2070"},
    {11, u"英雄联盟(LOL)", u"League of Legends", u"英雄联盟(LOL)", u"League of Legends",
     u"英雄联盟(LOL)", u"League of Legends"},
    {12, u"足球经理 2013 (EA)", u"Football Manager 2013 (EA)", u"足球经理 2013 (EA)",
     u"Football Manager 2013 (EA)", u"足球经理 2013 (EA)", u"Football Manager 2013 (EA)"},
    {13, u"远古遗迹守卫2（Dota 2） ", u"Dota 2 ", u"远古遗迹守卫2（Dota 2）", u"Dota 2 ",
     u"远古遗迹守卫2（Dota 2） ", u"Dota 2 "},
    {14, u"战地 4", u"Battlefield 4", u"战地 4", u"Battlefield 4", u"战地 4", u"Battlefield 4"},
    {15, u"战机世界", u"World of Warplanes", u"战机世界", u"World of Warplanes", u"战机世界",
     u"World of Warplanes"},
    {16, u"足球经理 2013 (SEGA)", u"Football Manager 2013 (SEGA)", u"足球经理 2013 (SEGA)",
     u"Football Manager 2013 (SEGA)", u"足球经理 2013 (SEGA)", u"Football Manager 2013 (SEGA)"},
    {17, u"我的世界", u"Minecraft", u"我的世界", u"Minecraft", u"我的世界", u"Minecraft"},
    {18, u"无冬之夜", u"Neverwinter", u"无冬之夜", u"Neverwinter", u"无冬之夜", u"Neverwinter"},
    {19, u"流亡黯道", u"Path of Exile", u"流亡黯道", u"Path of Exile", u"流亡黯道",
     u"Path of Exile"},
    {20, u"战争雷霆", u"War Thunder", u"战争雷霆", u"War Thunder", u"战争雷霆", u"War Thunder"},
    {21, u"玩家自定义", u"Customize", u"玩家自定义", u"Customisze", u"玩家自定义", u"Customisze"},
};

namespace {

const MacroCategoryTexts* Find(uint32_t id)
{
    return IsMacroCategory(id) ? &kMacroCategories[id - kFirstMacroCategory] : nullptr;
}

} // namespace

std::u16string_view MacroCategoryMenuText(uint32_t id, bool chinese)
{
    const MacroCategoryTexts* c = Find(id);
    if (c == nullptr) {
        return {};
    }
    return chinese ? c->menuChinese : c->menuEnglish;
}

std::u16string_view MacroCategoryCaption(uint32_t id, bool chinese)
{
    const MacroCategoryTexts* c = Find(id);
    if (c == nullptr) {
        return {};
    }
    return chinese ? c->captionChinese : c->captionEnglish;
}

std::u16string_view ChooserGameTitle(size_t item, bool chinese)
{
    if (item >= kMacroCategoryCount) {
        return {};
    }
    const MacroCategoryTexts& c = kMacroCategories[item];
    return chinese ? c.chooserChinese : c.chooserEnglish;
}

} // namespace qx71
