#include "gui/widgets/Skins.h"

#include "core/widgets/SkinResources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace qx71::gui {
namespace {

constexpr double kHiDpiThreshold = 1.5;

QString& SkinDirSetting()
{
    static QString dir;
    return dir;
}

double ScreenRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// Left to guess the format, the reader would load every image format plugin (SVG, JPEG, GIF,
// ICO) at the first picture to ask it.
QPixmap LoadPicture(const QString& path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}

void SetSkinDir(const QString& dir)
{
    SkinDirSetting() = dir;
}

QString SkinDir()
{
    if (!SkinDirSetting().isEmpty()) {
        return SkinDirSetting();
    }
    return QCoreApplication::applicationDirPath() + QStringLiteral("/skins");
}

QPixmap LoadPictureForScreen(const QString& path)
{
    if (ScreenRatio() >= kHiDpiThreshold) {
        const QByteArray utf8 = path.toUtf8();
        QPixmap large = LoadPicture(FromUtf8(skins::HiDpiName(
            std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())))));
        if (!large.isNull()) {
            large.setDevicePixelRatio(2.0);
            return large;
        }
    }
    return LoadPicture(path);
}

QPixmap LoadSkin(std::string_view relativePath)
{
    return LoadPictureForScreen(SkinDir() + QLatin1Char('/') + FromUtf8(relativePath));
}

QPixmap LoadResourceBitmap(int number)
{
    return LoadSkin(skins::ResourceBitmap(number));
}

QPixmap LoadResourceImage(int number)
{
    return LoadSkin(skins::ResourceImage(number));
}

QPixmap CutSheet(const QPixmap& sheet, const Rect& source)
{
    if (sheet.isNull()) {
        return {};
    }
    const qreal ratio = sheet.devicePixelRatio();
    const QRect device(static_cast<int>(std::lround(source.left * ratio)),
                       static_cast<int>(std::lround(source.top * ratio)),
                       static_cast<int>(std::lround(source.Width() * ratio)),
                       static_cast<int>(std::lround(source.Height() * ratio)));
    QPixmap part = sheet.copy(device);
    part.setDevicePixelRatio(ratio);
    return part;
}

void CutSheets(std::initializer_list<SheetCut> cuts, const Rect& source)
{
    for (const SheetCut* cut = cuts.begin(); cut != cuts.end(); ++cut) {
        const SheetCut* same = std::find_if(cuts.begin(), cut, [cut](const SheetCut& earlier) {
            return SameSheet(earlier.sheet, cut->sheet);
        });
        cut->image = same != cut ? same->image : CutSheet(cut->sheet, source);
    }
}

} // namespace qx71::gui
