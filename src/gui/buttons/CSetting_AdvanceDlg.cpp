#include "gui/buttons/CSetting_AdvanceDlg.h"

#include "core/common/IMessageSink.h"
#include "core/i18n/UiStrings.h"
#include "gui/buttons/HostFileFilterModel.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/UiLanguage.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>

namespace qx71::gui {
namespace {

namespace ap = chooser::advancedpage;

constexpr const char* kRowLabelKeys[kHostRowCount] = {
    "str_advanced_sound",
    "str_advanced_exe",
    "str_advanced_file",
    "str_advanced_dir",
};

} // namespace

std::optional<QString> ChooseHostPath(const HostBrowse& browse, const QString& currentPath,
                                      QWidget* parent)
{
    const std::u16string start =
        HostStartFolder(ToU16(currentPath), ToU16(QDir::homePath()), [](std::u16string_view path) {
            return QFileInfo(ToQString(path)).isDir();
        });
    // The dialog lives on the heap: if the window closes while it is open, its owner takes it
    // along and nothing here touches it afterwards. Where a desktop portal runs, the platform
    // theme shows the desktop's own dialog instead.
    QPointer<QFileDialog> dialog = new QFileDialog(parent, QString(), ToQString(start));
    switch (browse.kind) {
    case HostFileKind::Folder:
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        break;
    case HostFileKind::Program:
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilter(ToQString(HostNameFilter(browse.kind, ChineseUi())));
        // Programs here carry no extension: the execute right tells them. The desktop's own
        // dialog ignores the model and lists every file under the filter's name.
        dialog->setProxyModel(new HostFileFilterModel(browse.kind, dialog));
        break;
    case HostFileKind::Sound:
    case HostFileKind::AnyFile:
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilter(ToQString(HostNameFilter(browse.kind, ChineseUi())));
        break;
    }
    const int result = dialog->exec();
    if (dialog.isNull()) {
        return std::nullopt;
    }
    const QStringList chosen = dialog->selectedFiles();
    delete dialog;
    if (result != QDialog::Accepted || chosen.isEmpty() || chosen.first().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(chosen.first());
}

CSetting_AdvanceDlg::CSetting_AdvanceDlg(HostActionPage& page, const UiStrings& strings,
                                         IMessageSink& messages, bool chinese, QWidget* parent)
    : CSettingPage(chooser::kAdvancedPageSheets, parent), page_(page), strings_(strings),
      messages_(messages), chinese_(chinese), choosePath_(ChooseHostPath)
{
    for (size_t i = 0; i < kHostRowCount; ++i) {
        const auto row = static_cast<HostRow>(i);
        boxes_[i] = NewButton(ap::kCheckBoxes[i], static_cast<int>(i));
        connect(boxes_[i], &CGDIBitmapBtn::clicked, this, [this, row] {
            page_.ClickBox(row);
            ShowState();
        });
        paths_[i] = NewButton(ap::kPathFields[i], static_cast<int>(i));
        paths_[i]->SetUseCheckedImages(false);
        paths_[i]->installEventFilter(this);
        browse_[i] = NewButton(ap::kBrowseButtons[i], static_cast<int>(i));
        browse_[i]->SetUseCheckedImages(false);
        connect(browse_[i], &CGDIBitmapBtn::clicked, this, [this, row] { Browse(row); });
    }
    Retranslate();
    ShowState();
}

bool CSetting_AdvanceDlg::eventFilter(QObject* watched, QEvent* event)
{
    // A single click on a path does nothing; a double click browses like the row's button.
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (size_t i = 0; i < kHostRowCount; ++i) {
            if (watched == paths_[i]) {
                Browse(static_cast<HostRow>(i));
                return true;
            }
        }
    }
    return CSettingPage::eventFilter(watched, event);
}

void CSetting_AdvanceDlg::Retranslate()
{
    const QString browse = ToQString(strings_.Get("str_browse"));
    for (size_t i = 0; i < kHostRowCount; ++i) {
        browse_[i]->SetCaption(browse);
        browse_[i]->SetToolTipText(browse);
        boxes_[i]->setAccessibleName(ToQString(strings_.Get(kRowLabelKeys[i])));
    }
}

void CSetting_AdvanceDlg::Browse(HostRow row)
{
    const HostBrowse& browse = page_.BeginBrowse(row);
    ShowState();
    const QPointer<CSetting_AdvanceDlg> alive(this);
    const std::optional<QString> path =
        choosePath_ ? choosePath_(browse, ToQString(page_.Path(row)), this) : std::nullopt;
    // The window may have closed (and taken the chooser along) while the dialog was open.
    if (alive.isNull() || !path) {
        return;
    }
    if (!page_.SetPath(row, ToU16(*path))) {
        messages_.Show({MessageKind::InfoBox, {}, std::u16string(kHostPathTooLong.In(chinese_))});
        return;
    }
    ShowState();
}

void CSetting_AdvanceDlg::ShowState()
{
    for (size_t i = 0; i < kHostRowCount; ++i) {
        const auto row = static_cast<HostRow>(i);
        boxes_[i]->SetChecked(page_.Checked(row));
        const QString path = ToQString(page_.Path(row));
        paths_[i]->SetCaption(path);
        paths_[i]->setToolTip(path);
    }
}

std::vector<TextLayout> CSetting_AdvanceDlg::TextLayouts() const
{
    std::vector<TextLayout> out;
    for (size_t i = 0; i < kHostRowCount; ++i) {
        out.push_back(LayOutChooserText(QStringLiteral("row label"), ap::kRowLabels[i],
                                        ToQString(strings_.Get(kRowLabelKeys[i])),
                                        chooser::kRowLabelColour, Qt::AlignLeft));
    }
    return out;
}

} // namespace qx71::gui
