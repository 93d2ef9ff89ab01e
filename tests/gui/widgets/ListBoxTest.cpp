#include "core/widgets/ListItemData.h"
#include "gui/widgets/CListBoxEx.h"
#include "support/gui/QtTestHelpers.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

class ListBox : public ::testing::Test {
protected:
    ListBox() : list(Rect{10, 10, 210, 210}, &page, 1001)
    {
        page.resize(300, 300);
        list.AddItem(QStringLiteral("A down"), 3, 0x41);
        list.AddItem(QStringLiteral("A up"), 2, 0x41);
        list.AddItem(QStringLiteral("50 ms"), 4, 50);
        other = new QLineEdit(&page);
        other->move(220, 10);
        page.show();
        page.activateWindow();
    }

    QWidget page;
    CListBoxEx list;
    QLineEdit* other = nullptr;
};

TEST_F(ListBox, AddedItemsKeepKindAndValueAndBecomeTheSelection)
{
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(ListItemKindOf(list.ItemData(0)), 3);
    EXPECT_EQ(ListItemValueOf(list.ItemData(0)), 0x41u);
    EXPECT_EQ(ListItemKindOf(list.ItemData(2)), 4);
    EXPECT_EQ(ListItemValueOf(list.ItemData(2)), 50u);
    EXPECT_FALSE(list.IconFor(3, false).isNull());
    EXPECT_FALSE(list.IconFor(4, true).isNull());
    EXPECT_TRUE(list.IconFor(1, true).isNull());
}

TEST_F(ListBox, UserSelectionIsReportedAddingIsNot)
{
    QSignalSpy selected(&list, &CListBoxEx::selectionChangedByUser);
    list.AddItem(QStringLiteral("B down"), 3, 0x42);
    EXPECT_EQ(selected.count(), 0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(1)).center());
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0][0].toInt(), 1001);
    EXPECT_EQ(selected[0][1].toInt(), 1);
}

TEST_F(ListBox, EnterKeepsTheEditedTextAndReportsIt)
{
    QSignalSpy ended(&list, &CListBoxEx::editEnded);
    list.BeginEdit(0);
    QLineEdit* editor = list.Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->selectedText(), QStringLiteral("A down"));
    EXPECT_EQ(editor->maxLength(), 20);
    editor->setText(QStringLiteral("Jump"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(list.Editor(), nullptr);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("Jump"));
    EXPECT_EQ(ListItemKindOf(list.ItemData(0)), 3); // the same item data
    EXPECT_EQ(list.currentRow(), 0);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended[0][0].toInt(), 1001);
    EXPECT_EQ(ended[0][1].toInt(), 0);
}

TEST_F(ListBox, LosingTheFocusKeepsTheEditedText)
{
    QSignalSpy ended(&list, &CListBoxEx::editEnded);
    list.BeginEdit(1);
    ASSERT_NE(list.Editor(), nullptr);
    list.Editor()->setText(QStringLiteral("Crouch"));
    // The focus goes elsewhere.
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(list.Editor(), &out);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("Crouch"));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(list.Editor(), nullptr);
}

TEST_F(ListBox, EscapeCancelsWithoutAChangeOrAReport)
{
    QSignalSpy ended(&list, &CListBoxEx::editEnded);
    list.BeginEdit(1);
    list.Editor()->setText(QStringLiteral("Never"));
    QTest::keyClick(list.Editor(), Qt::Key_Escape);
    EXPECT_EQ(list.Editor(), nullptr);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("A up"));
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(ended.count(), 0);
}

TEST_F(ListBox, SelectedItemDrawnInTheOwnersColours)
{
    list.SetColours(QColor(10, 20, 30), QColor(200, 200, 200), QColor(0, 120, 200), Qt::white);
    const QImage drawn = test::Drawn(list);
    const QRect selected = list.visualItemRect(list.item(2));
    const QRect plain = list.visualItemRect(list.item(0));
    EXPECT_EQ(drawn.pixelColor(selected.right() - 2, selected.center().y()), QColor(0, 120, 200));
    EXPECT_EQ(drawn.pixelColor(plain.right() - 2, plain.center().y()), QColor(10, 20, 30));
    // Below the last row the list keeps the owner's background, not the system's white.
    const QRect last = list.visualItemRect(list.item(list.count() - 1));
    ASSERT_LT(last.bottom() + 5, list.viewport()->height());
    EXPECT_EQ(drawn.pixelColor(last.center().x(), last.bottom() + 5), QColor(10, 20, 30));
}

} // namespace
} // namespace qx71::gui
