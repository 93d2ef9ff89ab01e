#pragma once

#include "core/widgets/Geometry.h"
#include "core/widgets/KitColours.h"

#include <QImage>
#include <QString>

#include <functional>
#include <string_view>

namespace qx71::test {

// The least contrast any text may have against the face under it (4.5:1, as for body text).
inline constexpr double kMinimumContrast = 4.5;

// The build's skins folder.
QString SkinsDir();
QImage LoadSkinFile(std::string_view path);

// Checks that a skin file and its double-size copy exist with the sizes the views draw them
// at; reports a failure naming the file otherwise.
void ExpectSkinFile(std::string_view path, Size size);

// The smallest contrast between `text` and every pixel of the image for which `inside` holds
// (pixels of the face where the text is drawn).
double MinContrast(const QImage& image, const Rect& area, Rgb text,
                   const std::function<bool(Point)>& inside = nullptr);

} // namespace qx71::test
