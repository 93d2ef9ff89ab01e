#pragma once

#include "core/widgets/Geometry.h"

#include <QPixmap>
#include <QString>

#include <initializer_list>
#include <string_view>

namespace qx71::gui {

// Where the skin images are read from: InstallDir/skins unless set (tests and the gallery set
// the build's folder).
void SetSkinDir(const QString& dir);
QString SkinDir();

// A picture file read in the format its suffix names (the skins are BMP and PNG); a missing
// or unreadable file gives a null pixmap.
QPixmap LoadPicture(const QString& path);

// A picture file; on a screen with a device pixel ratio of 1.5 or more its copy drawn at twice
// the size ("<stem>@2x.png" beside it) when it exists.
QPixmap LoadPictureForScreen(const QString& path);

// A skin image by its path under skins/ ("Main_Normal.bmp", "ProgressBar/Progress_Over.png").
// On a screen with a device pixel ratio of 1.5 or more the image drawn at twice the size is
// taken when it exists. A missing file gives a null pixmap.
QPixmap LoadSkin(std::string_view relativePath);
// A numbered picture: a bitmap resource, or an image (icons, images with transparency).
QPixmap LoadResourceBitmap(int number);
QPixmap LoadResourceImage(int number);

// The part of a sheet at a rectangle given in the sheet's logical pixels, keeping the sheet's
// pixel ratio. A null sheet gives a null pixmap.
QPixmap CutSheet(const QPixmap& sheet, const Rect& source);

// True when both are the same non-null picture (copies of one pixmap share it).
inline bool SameSheet(const QPixmap& a, const QPixmap& b)
{
    return !a.isNull() && a.cacheKey() == b.cacheKey();
}

// One sheet to cut, and the image its part goes into.
struct SheetCut {
    const QPixmap& sheet;
    QPixmap& image;
};

// Cuts the same place out of several sheets, each into its image. A sheet given more than once
// (a button whose disabled look is its normal one) is cut once, and its images share pixels.
void CutSheets(std::initializer_list<SheetCut> cuts, const Rect& source);

} // namespace qx71::gui
