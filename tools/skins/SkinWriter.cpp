#include "SkinWriter.h"

#include "core/widgets/SkinResources.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

namespace qx71::skins {
namespace {

bool IsBitmap(std::string_view path)
{
    return path.size() > 4 && (path.ends_with(".bmp") || path.ends_with(".BMP"));
}

QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

bool SkinWriter::Save(const QImage& image, const QString& path, const char* format)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format)) {
        std::fprintf(stderr, "skins: cannot write %s\n", qPrintable(path));
        failed_ = true;
        return false;
    }
    ++written_;
    return true;
}

void SkinWriter::Write(std::string_view path, Size size, const Paint& paint)
{
    const bool bitmap = IsBitmap(path);
    for (const int scale : {1, 2}) {
        QImage image(size.width * scale, size.height * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(bitmap ? Qt::black : Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.scale(scale, scale);
            paint(painter);
        }
        if (scale == 1) {
            Save(bitmap ? image.convertToFormat(QImage::Format_RGB32) : image,
                 root_ + QLatin1Char('/') + Utf8(path), bitmap ? "BMP" : "PNG");
        } else {
            Save(image, root_ + QLatin1Char('/') + Utf8(HiDpiName(path)), "PNG");
        }
    }
}

} // namespace qx71::skins
