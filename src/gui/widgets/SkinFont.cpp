#include "gui/widgets/SkinFont.h"

#include "core/widgets/SkinFonts.h"

#include <QStringList>

namespace qx71::gui {
namespace {

QStringList Families()
{
    QStringList families;
    for (std::string_view family : kShellDlgFamilies) {
        families << QString::fromLatin1(family.data(), static_cast<qsizetype>(family.size()));
    }
    return families;
}

} // namespace

QFont ShellDlgFont(int pixelHeight)
{
    QFont font;
    font.setFamilies(Families());
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Light);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont SansFont(int pointSize)
{
    QFont font;
    font.setFamilies(Families());
    font.setPointSize(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace qx71::gui
