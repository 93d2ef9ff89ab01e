#include "core/widgets/InfoBoxModel.h"
#include "core/widgets/KitColours.h"
#include "gui/widgets/CDlgInfo.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/QtMessageSink.h"
#include "gui/widgets/UiLanguage.h"
#include "gui/widgets/WrappedText.h"
#include "support/gui/QtTestHelpers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

using test::CountNear;
using test::Drawn;
using test::FireTimer;
using test::WhenModal;

void Click(CGDIBitmapBtn* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

class InfoBox : public ::testing::Test {
protected:
    void TearDown() override { SetChineseUiSource(nullptr); }
    QRect Screen() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(InfoBox, CountDownReturnsCancelAfterItsSixthTick)
{
    CDlgInfo box;
    box.SetText(QStringLiteral("The QX71 gaming mouse cannot be found."));
    box.SetCountDown(true);
    std::vector<QString> captions;
    bool stillOpenAfterFive = false;
    WhenModal<CDlgInfo>([&](CDlgInfo* shown) {
        captions.push_back(shown->OkButton()->Caption());
        EXPECT_EQ(shown->CountDownTimer().interval(), 1000);
        for (int tick = 0; tick < 6; ++tick) {
            stillOpenAfterFive = shown->isVisible();
            FireTimer(shown->CountDownTimer());
            captions.push_back(shown->OkButton()->Caption());
        }
    });
    EXPECT_EQ(box.exec(), infobox::kResultCancel);
    EXPECT_TRUE(stillOpenAfterFive);
    const std::vector<QString> expected = {"OK (5s)", "OK (5s)", "OK (4s)", "OK (3s)",
                                           "OK (2s)", "OK (1s)", "OK (0s)"};
    EXPECT_EQ(captions, expected);
    EXPECT_FALSE(box.CountDownTimer().isActive());
    // In the bottom-right corner of the screen.
    EXPECT_EQ(box.pos(),
              Screen().topLeft() + QPoint(Screen().width() - 330 - 10, Screen().height() - 160));
}

TEST_F(InfoBox, OkOnACountDownBoxReturnsOkAtOnce)
{
    CDlgInfo box;
    box.SetText(QStringLiteral("Found"));
    box.SetCountDown(true);
    WhenModal<CDlgInfo>([](CDlgInfo* shown) {
        FireTimer(shown->CountDownTimer());
        Click(shown->OkButton());
    });
    EXPECT_EQ(box.exec(), infobox::kResultOk);
    EXPECT_FALSE(box.CountDownTimer().isActive());
}

TEST_F(InfoBox, StyleZeroHasNoCancelAndItsCrossReturnsCancel)
{
    CDlgInfo box;
    box.SetText(QStringLiteral("Failed to open file"));
    WhenModal<CDlgInfo>([](CDlgInfo* shown) {
        EXPECT_EQ(shown->CancelButton(), nullptr);
        EXPECT_EQ(shown->findChildren<CGDIBitmapBtn*>().size(), 2);
        EXPECT_EQ(shown->OkButton()->geometry(), ToQRect(infobox::kOkButtonOkOnly));
        EXPECT_EQ(shown->CloseButton()->geometry(), ToQRect(infobox::kCloseButton));
        EXPECT_FALSE(shown->CountDownTimer().isActive());
        Click(shown->CloseButton());
    });
    EXPECT_EQ(box.exec(), infobox::kResultCancel);
    EXPECT_EQ(box.size(), QSize(330, 160));
    EXPECT_EQ(box.pos(), Screen().topLeft() +
                             QPoint((Screen().width() - 330) / 2, (Screen().height() - 160) / 2));
}

TEST_F(InfoBox, StyleOneInChineseAndItsCancel)
{
    SetChineseUiSource([] { return true; });
    CDlgInfo box;
    box.SetText(QStringLiteral("确定要恢复默认设置?"));
    box.SetStyle(infobox::Style::OkCancel);
    WhenModal<CDlgInfo>([](CDlgInfo* shown) {
        EXPECT_EQ(shown->OkButton()->Caption(), QStringLiteral("确定"));
        EXPECT_EQ(shown->CancelButton()->Caption(), QStringLiteral("取消"));
        EXPECT_EQ(shown->OkButton()->geometry(), ToQRect(infobox::kOkButtonOkCancel));
        EXPECT_EQ(shown->CancelButton()->geometry(), ToQRect(infobox::kCancelButton));
        Click(shown->CancelButton());
    });
    EXPECT_EQ(box.exec(), infobox::kResultCancel);
}

TEST_F(InfoBox, EscapeAndCloseReturnCancel)
{
    CDlgInfo box;
    WhenModal<CDlgInfo>([](CDlgInfo* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    EXPECT_EQ(box.exec(), infobox::kResultCancel);
    CDlgInfo other;
    WhenModal<CDlgInfo>([](CDlgInfo* shown) { shown->close(); });
    EXPECT_EQ(other.exec(), infobox::kResultCancel);
}

// The box answers the keyboard: Return and Enter press OK, its default button; Escape cancels.
TEST_F(InfoBox, ReturnPressesOkAndEscapeCancelsInEveryStyle)
{
    struct Case {
        infobox::Style style;
        bool countDown;
        Qt::Key key;
        int result;
    };
    const Case cases[] = {
        {infobox::Style::OkOnly, false, Qt::Key_Return, infobox::kResultOk},
        {infobox::Style::OkOnly, false, Qt::Key_Enter, infobox::kResultOk},
        {infobox::Style::OkCancel, false, Qt::Key_Return, infobox::kResultOk},
        {infobox::Style::OkCancel, false, Qt::Key_Escape, infobox::kResultCancel},
        {infobox::Style::OkOnly, true, Qt::Key_Return, infobox::kResultOk},
        {infobox::Style::OkOnly, true, Qt::Key_Escape, infobox::kResultCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        CDlgInfo box;
        box.SetStyle(c.style);
        box.SetCountDown(c.countDown);
        WhenModal<CDlgInfo>([&c](CDlgInfo* shown) { QTest::keyClick(shown, c.key); });
        EXPECT_EQ(box.exec(), c.result);
    }
}

TEST_F(InfoBox, ALineBreakOfTheMessageStartsANewLine)
{
    // Two short lines: the second starts below the first, whether or not the box must grow.
    const QFont font = CDlgInfo().font();
    const int width = infobox::kMessageBox.Width();
    const int oneLine = WrappedTextHeight(QStringLiteral("Run this"), font, width);
    EXPECT_GE(WrappedTextHeight(QStringLiteral("Run\nthis"), font, width), 2 * oneLine);

    const QColor slate = ToQColor(infobox::kMessageColour);
    CDlgInfo joined;
    joined.SetText(QStringLiteral("Run this command:"));
    joined.Prepare();
    joined.show();
    CDlgInfo broken;
    broken.SetText(QStringLiteral("Run\nthis command:"));
    broken.Prepare();
    broken.show();
    // The broken text's ink spans two lines, the joined one's a single line.
    const QRect box = ToQRect(infobox::kMessageBox);
    const auto inkHeight = [&](CDlgInfo& drawn) {
        const QImage image = Drawn(drawn);
        int top = -1;
        int bottom = -1;
        // The message's rows, and those the box grows by for a second line.
        for (int y = box.top(); y <= box.bottom() + oneLine; ++y) {
            if (CountNear(image, QRect(box.left(), y, box.width(), 1), slate, 60) > 0) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
        return top < 0 ? 0 : bottom - top + 1;
    };
    const int single = inkHeight(joined);
    ASSERT_GT(single, 0);
    EXPECT_GT(inkHeight(broken), single + oneLine / 2);
}

TEST_F(InfoBox, ShortMessageCentredInItsBoxLongOneWrapsBelowAndTheBoxGrows)
{
    const QColor slate = ToQColor(infobox::kMessageColour);
    CDlgInfo small;
    small.SetText(QStringLiteral("Saved."));
    test::UseSolidText(small);
    small.Prepare();
    small.show();
    const QImage one = Drawn(small);
    EXPECT_GT(CountNear(one, QRect(90, 73, 215, 18), slate, 8), 10);
    EXPECT_EQ(CountNear(one, QRect(90, 95, 215, 30), slate, 8), 0);
    EXPECT_EQ(small.ExtraHeight(), 0);

    CDlgInfo large;
    large.SetText(QStringLiteral(
        "Failed to open file, check whether there is a "
        "/home/someone/.config/TOLVI/QX71/Profile/ConfigInfo.cfg path? The settings stay as "
        "they were and nothing was written; try again after checking the folder's rights."));
    test::UseSolidText(large);
    large.Prepare();
    large.show();
    ASSERT_GT(large.ExtraHeight(), 0);
    EXPECT_EQ(large.height(), 160 + large.ExtraHeight());
    EXPECT_EQ(large.OkButton()->y(), 127 + large.ExtraHeight());
    const QImage many = Drawn(large);
    // Lines below the one-line box, down to where the buttons used to be and beyond.
    EXPECT_GT(CountNear(many, QRect(90, 95, 215, 25), slate, 8), 10);
    EXPECT_GT(CountNear(many, QRect(90, 127, 215, large.ExtraHeight() - 6), slate, 8), 10);
    // Nothing runs past the right edge of the message box.
    EXPECT_EQ(CountNear(many, QRect(308, 40, 20, 120), slate, 30), 0);
}

// Pixels of the sign's square that are clearly blue (the information sign) or amber (the
// warning sign).
std::pair<int, int> BlueAndAmberIn(const QImage& image)
{
    int blue = 0;
    int amber = 0;
    const QRect box = ToQRect(infobox::kIconBox);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c.blue() > c.red() + 60 ? 1 : 0;
            amber += c.red() > c.blue() + 60 ? 1 : 0;
        }
    }
    return {blue, amber};
}

TEST_F(InfoBox, TheSignIsDrawnBesideTheMessage)
{
    CDlgInfo success;
    success.SetIcon(MessageIcon::Information);
    success.Prepare();
    success.show();
    const auto [blue, amber] = BlueAndAmberIn(Drawn(success));
    EXPECT_GT(blue, 300);
    EXPECT_EQ(amber, 0);
    CDlgInfo failure;
    failure.Prepare();
    failure.show();
    const auto [blue2, amber2] = BlueAndAmberIn(Drawn(failure));
    EXPECT_EQ(blue2, 0);
    EXPECT_GT(amber2, 300);
}

TEST_F(InfoBox, TitleByLanguage)
{
    const QColor slate = ToQColor(infobox::kTitleColour);
    CDlgInfo english;
    test::UseSolidText(english);
    english.Prepare();
    english.show();
    EXPECT_GT(CountNear(Drawn(english), QRect(10, 9, 90, 14), slate, 8), 5);
    CDlgInfo titled;
    titled.SetTitle(QStringLiteral("Info"));
    test::UseSolidText(titled);
    titled.Prepare();
    titled.show();
    EXPECT_GT(CountNear(Drawn(titled), QRect(10, 9, 90, 14), slate, 8), 5);
}

TEST(QtMessageSink, NoticesQuestionsAndSystemBoxes)
{
    QtMessageSink sink;
    QString shownText;
    WhenModal<CDlgInfo>([&](CDlgInfo* shown) {
        EXPECT_EQ(shown->CancelButton(), nullptr);
        EXPECT_FALSE(shown->CountDownTimer().isActive());
        Click(shown->OkButton());
    });
    sink.Show({MessageKind::InfoBox, {}, u"Saved"});

    WhenModal<CDlgInfo>([&](CDlgInfo* shown) {
        EXPECT_TRUE(shown->CountDownTimer().isActive());
        for (int tick = 0; tick < 6; ++tick) {
            FireTimer(shown->CountDownTimer());
        }
    });
    sink.Show({MessageKind::CountDownBox, {}, u"The QX71 gaming mouse cannot be found."});

    WhenModal<CDlgInfo>([&](CDlgInfo* shown) {
        ASSERT_NE(shown->CancelButton(), nullptr);
        Click(shown->OkButton());
    });
    EXPECT_TRUE(sink.Ask(u"Do you want to reset trophy data ?"));
    WhenModal<CDlgInfo>([&](CDlgInfo* shown) { Click(shown->CancelButton()); });
    EXPECT_FALSE(sink.Ask(u"Do you want to reset trophy data ?"));
    WhenModal<CDlgInfo>([&](CDlgInfo* shown) { Click(shown->CloseButton()); });
    EXPECT_FALSE(sink.Ask(u"Do you want to restore the default setting?"));

    WhenModal<CDlgInfo>([&](CDlgInfo* shown) { Click(shown->OkButton()); });
    sink.Show({MessageKind::SystemBox, u"Info", u"Access denied"});
}

TEST(QtMessageSink, TheSignFitsTheMessage)
{
    QtMessageSink sink;
    std::vector<infobox::Icon> shown;
    const auto note = [&](CDlgInfo* box) {
        shown.push_back(box->ShownIcon());
        Click(box->OkButton());
    };
    WhenModal<CDlgInfo>(note);
    sink.Show(
        {MessageKind::SystemBox, u"Info", u"/tmp/a.cfg export success!", MessageIcon::Information});
    WhenModal<CDlgInfo>(note);
    sink.Show({MessageKind::SystemBox, u"Info", u"/tmp/a.cfg export failed!"});
    WhenModal<CDlgInfo>(note);
    sink.Ask(u"Do you want to restore the default setting?");
    const std::vector<infobox::Icon> expected = {infobox::Icon::Information, infobox::Icon::Warning,
                                                 infobox::Icon::Question};
    EXPECT_EQ(shown, expected);
}

} // namespace
} // namespace qx71::gui
