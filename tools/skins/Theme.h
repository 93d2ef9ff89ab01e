#pragma once

#include "core/widgets/Geometry.h"
#include "core/widgets/KitColours.h"

#include <QColor>
#include <QPainter>
#include <QRegion>

#include <span>

namespace qx71::skins {

// The graphite and amber look. The faces are chosen for the fixed text colours drawn on them
// (the generator's test measures every pair).
namespace theme {
inline constexpr Rgb kWindowTop{34, 37, 43};
inline constexpr Rgb kWindowBottom{22, 24, 28};
inline constexpr Rgb kEdge{12, 13, 16};
inline constexpr Rgb kLine{58, 63, 72};
inline constexpr Rgb kAmber{240, 170, 40};
inline constexpr Rgb kAmberLight{255, 196, 84};
inline constexpr Rgb kAmberDark{226, 154, 34};
// Faces under the normal (189, 189, 200), hover (white) and pressed (38, 29, 5) captions.
inline constexpr Rgb kFaceTop{54, 59, 68};
inline constexpr Rgb kFaceBottom{42, 46, 53};
inline constexpr Rgb kHoverTop{82, 90, 104};
inline constexpr Rgb kHoverBottom{66, 73, 85};
inline constexpr Rgb kDimTop{36, 39, 45};
inline constexpr Rgb kDimBottom{30, 33, 38};
inline constexpr Rgb kPanel{27, 30, 35};
inline constexpr Rgb kWell{18, 20, 24}; // hint line and the progress dialog's text
// Light slate panels under the dark slate text (83, 97, 103).
inline constexpr Rgb kSlatePanel{228, 233, 237};
inline constexpr Rgb kSlateFace{244, 246, 248};
inline constexpr Rgb kSlateBorder{150, 160, 168};
inline constexpr Rgb kBlueHover{16, 104, 146};
inline constexpr Rgb kBluePressed{10, 72, 104};
inline constexpr Rgb kGlyph{189, 189, 200};
} // namespace theme

QColor Q(Rgb c);
// A rectangle of the core's geometry tables in Qt's terms.
QRectF RectF(const Rect& r);

// Which look a face is drawn in.
enum class Face { Dim, Normal, Hover, Pressed };

// The colour of a caption or glyph on a face: the kit's hover and pressed text colours, else
// `normal`, or `dim` on a dimmed face.
QColor TextOnFace(Face face, Rgb normal, Rgb dim);
// The colour of a glyph drawn on a face (a dimmed face's glyph is not dimmed).
QColor GlyphColour(Face face);

// The window's background gradient over a rectangle.
void FillBackground(QPainter& p, const Rect& area, int windowHeight);
// A button face over a rectangle or a region, with its border.
void DrawFace(QPainter& p, const Rect& r, Face face, int radius = 3);
void DrawRegionFace(QPainter& p, std::span<const Point> corners, Face face);
// A light slate button face of the info box.
enum class SlateFace { Normal, Hover, Pressed };
void DrawSlateFace(QPainter& p, const Rect& r, SlateFace face);

// The pixels of a polygon as the views' masks have them.
QRegion RegionOf(std::span<const Point> corners);

} // namespace qx71::skins
