#include "core/macro/GameMenu.h"
#include "core/widgets/InfoBoxModel.h"
#include "core/widgets/SkinResources.h"
#include "gui/widgets/CDlgInfo.h"
#include "gui/widgets/CWndPopup.h"
#include "gui/widgets/MenuExLibrary.h"
#include "gui/widgets/Skins.h"
#include "support/gui/QtTestHelpers.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <filesystem>

namespace qx71::gui {
namespace {

constexpr int kRatio = 2;

QImage SkinFile(const std::string& path)
{
    return QImage(SkinDir() + QLatin1Char('/') + QString::fromStdString(path))
        .convertToFormat(QImage::Format_RGB32);
}

// How many pixels of an area differ between two images (both in device pixels).
int Differing(const QImage& a, const QImage& b, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

// 2 x 2 blocks of an area whose four pixels are not all alike: detail finer than a logical
// pixel, which a picture drawn at the logical size and enlarged cannot have.
int FineBlocks(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            count += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                             image.pixel(x + 1, y + 1) != p
                         ? 1
                         : 0;
        }
    }
    return count;
}

QImage Grabbed(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(DoubleDensity, TheScreenIsTwiceAsDenseAndTheSkinsComeAtTwiceTheSize)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), kRatio);
    const QPixmap sheet = LoadResourceBitmap(1007);
    EXPECT_EQ(sheet.devicePixelRatio(), kRatio);
    EXPECT_EQ(sheet.size(), QSize(330 * kRatio, 160 * kRatio));
    EXPECT_EQ(sheet.deviceIndependentSize().toSize(), QSize(330, 160));
}

TEST(DoubleDensity, TheMessageBoxDrawsTheLargeImageAndItsTextAtTheScreensResolution)
{
    CDlgInfo box;
    box.SetText(QStringLiteral("The QX71 gaming mouse is found."));
    box.SetIcon(MessageIcon::Information);
    box.Prepare();
    box.show();
    const QImage drawn = Grabbed(box);
    ASSERT_EQ(drawn.size(), QSize(330 * kRatio, 160 * kRatio));
    const infobox::StyleImages images = infobox::ImagesOf(infobox::Style::OkOnly);
    const QImage large = SkinFile(skins::HiDpiName(skins::ResourceBitmap(images.background)));
    const QImage small =
        SkinFile(skins::ResourceBitmap(images.background))
            .scaled(330 * kRatio, 160 * kRatio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    ASSERT_FALSE(large.isNull() || small.isNull());
    // The close cross (a button cut from the sheet) and the frame are the large image's own
    // pixels, which the enlarged small one does not have.
    const QRect cross(300 * kRatio, 0, 29 * kRatio, 29 * kRatio);
    EXPECT_EQ(Differing(drawn, large, cross), 0);
    EXPECT_GT(Differing(drawn, small, cross), 20);
    // The sign and the message have detail finer than a logical pixel.
    EXPECT_GT(FineBlocks(drawn, QRect(28 * kRatio, 50 * kRatio, 48 * kRatio, 48 * kRatio)), 20);
    EXPECT_GT(FineBlocks(drawn, QRect(90 * kRatio, 73 * kRatio, 215 * kRatio, 18 * kRatio)), 40);
}

TEST(DoubleDensity, TheGameMenuTakesItsLargeItemImages)
{
    QWidget owner;
    owner.show();
    const GameMenuItems items = BuildGameMenuItems(false);
    const auto paths =
        GameMenuImagePaths(std::filesystem::path(SkinDir().toStdString()).parent_path());
    QString p[8];
    for (size_t i = 0; i < 8; ++i) {
        p[i] = QString::fromStdString(paths[i].string());
    }
    ASSERT_EQ(CreateMenuEx(&owner, static_cast<int>(kGameMenuNumber), QPoint(10, 10),
                           kGameMenuColours[0], kGameMenuColours[1], kGameMenuColours[2], p[0],
                           p[1], p[2], p[3], p[4], p[5], p[6], p[7], items.data(),
                           static_cast<int>(kGameMenuItemCount)),
              1);
    const auto popups = owner.findChildren<CWndPopup*>();
    ASSERT_EQ(popups.size(), 1);
    const QImage composed = popups[0]->Compose();
    EXPECT_EQ(composed.devicePixelRatio(), kRatio);
    EXPECT_EQ(composed.width(), popups[0]->width() * kRatio);
    // The item texts are drawn at the screen's resolution.
    EXPECT_GT(FineBlocks(composed.convertToFormat(QImage::Format_RGB32),
                         QRect(0, 0, composed.width(), composed.height() / 2)),
              200);
    DestroyMenuEx(&owner);
}

} // namespace
} // namespace qx71::gui
