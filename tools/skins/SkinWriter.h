#pragma once

#include "core/widgets/Geometry.h"

#include <QPainter>
#include <QString>

#include <functional>
#include <string_view>

namespace qx71::skins {

// Writes one image at its size and at twice its size. The drawing function paints in the
// image's own pixels; the painter is scaled for the large copy. A ".bmp" name is written as an
// opaque bitmap, anything else as PNG with transparency; the large copy is always
// "<stem>@2x.png".
class SkinWriter {
public:
    explicit SkinWriter(QString root) : root_(std::move(root)) {}

    using Paint = std::function<void(QPainter&)>;
    void Write(std::string_view path, Size size, const Paint& paint);

    int Written() const { return written_; }
    bool Failed() const { return failed_; }

private:
    bool Save(const QImage& image, const QString& path, const char* format);

    QString root_;
    int written_ = 0;
    bool failed_ = false;
};

} // namespace qx71::skins
