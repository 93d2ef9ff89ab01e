// The function chooser offscreen: what each exit gives, the pages' lists and the path dialogs,
// the keys it swallows, and its place over the main window.
#include "core/buttons/HostActionPage.h"
#include "core/macro/MacroRecord.h"
#include "support/MacroFixtures.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"
#include "support/gui/PageContextFixture.h"

#include "gui/buttons/CSettingDlg.h"
#include "gui/buttons/CSetting_AdvanceDlg.h"
#include "gui/buttons/CSetting_MacroDlg.h"
#include "gui/buttons/CSetting_SingleComboDlg.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CListBoxEx.h"
#include "gui/widgets/QtConvert.h"
#include "support/gui/QtTestHelpers.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <chrono>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

using test::Click;
using test::Mouse;
using test::WhenModal;

namespace ch = chooser;

constexpr WindowHandle kPageHandle = 2;

class Chooser : public ::testing::Test {
protected:
    Chooser()
    {
        owner.setGeometry(100, 80, 955, 673);
        owner.show();
    }
    // Runs the chooser for `button`, doing `inside` while it is open.
    int Run(ButtonIndex button, std::function<void(CSettingDlg&)> inside)
    {
        dialog = std::make_unique<CSettingDlg>(fixture.Context(), kPageHandle, button,
                                               u"Right click", &owner);
        WhenModal<CSettingDlg>([inside](CSettingDlg* shown) {
            ASSERT_NE(shown, nullptr);
            inside(*shown);
        });
        return dialog->exec();
    }

    test::PageContextFixture fixture{QX71_TEST_INSTALL_DIR_TEXT};
    QWidget owner;
    std::unique_ptr<CSettingDlg> dialog;
};

TEST_F(Chooser, OkAtOnceIsACancelAndTheKeysGoBack)
{
    QPoint centreOffset;
    bool keyPageShown = false;
    const int end = Run(ButtonIndex::Right, [&](CSettingDlg& shown) {
        centreOffset = shown.geometry().center() - owner.geometry().center();
        keyPageShown = shown.KeyPage()->isVisible() && shown.Tab(ChooserPage::Key)->IsChecked() &&
                       fixture.hooks.Target() == kPageHandle && fixture.hooks.KeyRecording();
        Click(shown.OkButton());
    });
    EXPECT_EQ(end, QDialog::Rejected);
    EXPECT_TRUE(keyPageShown);
    EXPECT_LE(std::abs(centreOffset.x()) + std::abs(centreOffset.y()), 2);
    EXPECT_EQ(dialog->size(), ToQSize(ch::kPopupSize));
    EXPECT_FALSE(fixture.hooks.KeyRecording());
}

TEST_F(Chooser, TheDisableBoxHidesThePagesAndGivesDisabled)
{
    bool allHidden = false;
    bool keysOff = false;
    const int end = Run(ButtonIndex::Back, [&](CSettingDlg& shown) {
        Click(shown.DisableBox());
        allHidden = !shown.KeyPage()->isVisible() && !shown.MacroPage()->isVisible() &&
                    !shown.Tab(ChooserPage::Key)->IsChecked() && shown.DisableBox()->IsChecked();
        keysOff = !fixture.hooks.KeyRecording();
        // The tabs do nothing while it is checked.
        Click(shown.Tab(ChooserPage::Macro));
        allHidden = allHidden && !shown.MacroPage()->isVisible();
        Click(shown.OkButton());
    });
    EXPECT_EQ(end, QDialog::Accepted);
    EXPECT_TRUE(allHidden);
    EXPECT_TRUE(keysOff);
    EXPECT_EQ(dialog->Result().code, 7);
    EXPECT_EQ(dialog->Result().kind, 121);
}

TEST_F(Chooser, TheMacroPageListsTheUsersOwnMacrosAndGivesTheSelectedId)
{
    fixture.macros.LoadMacroFile();
    for (const auto& [id, name] : {std::pair{0x15000001u, u"First"},
                                   {0x15000002u, u"Second"},
                                   {0x01000003u, u"Battlefield one"}}) {
        MacroRecord record = test::PressAMacro(id);
        SetMacroName(record, name);
        ASSERT_EQ(fixture.macros.StoreMacro(record), MacroStoreResult::Stored);
    }
    QStringList shown;
    QString selectedGame;
    const int end = Run(ButtonIndex::Middle, [&](CSettingDlg& chooser) {
        Click(chooser.Tab(ChooserPage::Macro));
        CListBoxEx* macros = chooser.MacroPage()->MacroList();
        for (int i = 0; i < macros->count(); ++i) {
            shown << macros->item(i)->text();
        }
        selectedGame = chooser.MacroPage()->GameList()->currentItem()->text();
        // The first of them, picked by the user.
        const QRect line = macros->visualItemRect(macros->item(0));
        Mouse(macros->viewport(), QEvent::MouseButtonPress, line.center());
        Mouse(macros->viewport(), QEvent::MouseButtonRelease, line.center());
        Click(chooser.OkButton());
    });
    EXPECT_EQ(shown, (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
    EXPECT_EQ(selectedGame, QStringLiteral("Customisze"));
    EXPECT_EQ(end, QDialog::Accepted);
    EXPECT_EQ(dialog->Result().kind, 6);
    EXPECT_EQ(dialog->Result().code, static_cast<int32_t>(0x15000001u));
}

TEST_F(Chooser, TheAdvancedPageTakesThePathOfItsRowsDialog)
{
    std::vector<bool> folderAsked;
    bool tooLongTaken = true;
    QString fieldCaption;
    const int end = Run(ButtonIndex::Forward, [&](CSettingDlg& chooser) {
        Click(chooser.Tab(ChooserPage::Advanced));
        CSetting_AdvanceDlg* page = chooser.AdvancedPage();
        // A cancelled dialog changes nothing; a path too long for an assignment is refused.
        page->SetPathChooser(
            [&](const HostBrowse& browse, const QString&, QWidget*) -> std::optional<QString> {
                folderAsked.push_back(browse.folder);
                return std::nullopt;
            });
        Click(page->BrowseButton(HostRow::Folder));
        page->SetPathChooser(
            [](const HostBrowse&, const QString&, QWidget*) -> std::optional<QString> {
                return QString(300, QLatin1Char('a'));
            });
        Click(page->BrowseButton(HostRow::File));
        tooLongTaken = !page->PathField(HostRow::File)->Caption().isEmpty();
        page->SetPathChooser(
            [&](const HostBrowse& browse, const QString&, QWidget*) -> std::optional<QString> {
                folderAsked.push_back(browse.folder);
                return QStringLiteral("/usr/bin/xterm");
            });
        // A double click on the path browses too.
        QWidget* field = page->PathField(HostRow::Program);
        Mouse(field, QEvent::MouseButtonDblClick, field->rect().center());
        fieldCaption = page->PathField(HostRow::Program)->Caption();
        Click(chooser.OkButton());
    });
    EXPECT_EQ(folderAsked, (std::vector<bool>{true, false}));
    EXPECT_FALSE(tooLongTaken);
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, kHostPathTooLong.english);
    EXPECT_EQ(fieldCaption, QStringLiteral("/usr/bin/xterm"));
    EXPECT_EQ(end, QDialog::Accepted);
    const ChooserResult& result = dialog->Result();
    EXPECT_EQ(result.kind, 19);
    EXPECT_EQ(result.hostRow, 1);
    EXPECT_EQ(result.code, 0x00D30006);
    EXPECT_EQ(result.path, u"/usr/bin/xterm");
}

TEST_F(Chooser, EnterEscapeAndSpaceDoNotEndItTheCloseButtonCancels)
{
    bool openAfterKeys = false;
    const int end = Run(ButtonIndex::Left, [&](CSettingDlg& shown) {
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space}) {
            QTest::keyClick(&shown, key);
            QTest::keyClick(shown.KeyPage(), key);
        }
        openAfterKeys = shown.isVisible();
        Click(shown.CloseButton());
    });
    EXPECT_TRUE(openAfterKeys);
    EXPECT_EQ(end, QDialog::Rejected);
    EXPECT_FALSE(fixture.hooks.KeyRecording());
}

TEST_F(Chooser, TheDefaultButtonGivesTheInputsDefault)
{
    const int end =
        Run(ButtonIndex::WheelForward, [](CSettingDlg& shown) { Click(shown.DefaultButton()); });
    EXPECT_EQ(end, QDialog::Accepted);
    EXPECT_EQ(dialog->Result().code, 11);
    EXPECT_EQ(dialog->Result().kind, 0);
}

TEST(HostPathDialog, GivesTheChosenFileAndNothingWhenItsWindowGoesAway)
{
    test::TempDir dir;
    const QString file = QString::fromStdString((dir / "ring.wav").string());
    QFile(file).open(QIODevice::WriteOnly);
    QWidget owner;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(ChooseHostPath(kHostBrowse[0], {}, &owner), std::optional<QString>(file));

    // The window closes while the folder browser is open: no path, no crash.
    auto* going = new QWidget;
    QTimer::singleShot(0, [going] { delete going; });
    EXPECT_EQ(ChooseHostPath(kHostBrowse[3], {}, going), std::nullopt);
}

// The names a row's dialog lists, once they are `expected` (the dialog's model reads the folder
// on a thread of its own) or the wait for them gave up.
QStringList Listed(HostRow row, const QString& folder, const QString& current,
                   const QStringList& expected)
{
    QStringList names;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->directory().absolutePath(), folder);
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        ASSERT_NE(view, nullptr);
        const auto read = [&] {
            names.clear();
            for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r) {
                names << view->model()->index(r, 0, view->rootIndex()).data().toString();
            }
            names.sort();
            return names == expected;
        };
        // On a timeout the names read last are returned, and the caller's comparison fails.
        static_cast<void>(QTest::qWaitFor(
            read, static_cast<int>(std::chrono::milliseconds(test::kEventTimeout).count())));
        dialog->reject();
    });
    ChooseHostPath(kHostBrowse[static_cast<size_t>(row)], current, nullptr);
    return names;
}

TEST(HostPathDialog, FiltersFitThisSystemAndTheDialogStartsAtTheCurrentPathOrHome)
{
    // Qt's own dialog, whose list the test can read.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    for (const char* name : {"ring.wav", "bell.WAV", "song.mp3", "notes.txt", "tool"}) {
        QFile(folder + QLatin1Char('/') + QLatin1String(name)).open(QIODevice::WriteOnly);
    }
    QFile::setPermissions(folder + QStringLiteral("/tool"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(folder).mkdir(QStringLiteral("sub"));
    const QString current = folder + QStringLiteral("/ring.wav");

    const struct {
        HostRow row;
        QStringList names;
    } cases[] = {
        {HostRow::Sound, {"bell.WAV", "ring.wav", "sub"}},
        {HostRow::Program, {"sub", "tool"}},
        {HostRow::File, {"bell.WAV", "notes.txt", "ring.wav", "song.mp3", "sub", "tool"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Listed(c.row, folder, current, c.names), c.names);
    }
    // Without a current path (or one whose folder is gone): the user's home.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->directory().absolutePath(), QDir::homePath());
        EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
        dialog->reject();
    });
    ChooseHostPath(kHostBrowse[3], QStringLiteral("/no/such/folder/x"), nullptr);
}

} // namespace
} // namespace qx71::gui
