#include "gui/widgets/CListBoxEx.h"

#include "core/widgets/KitColours.h"
#include "core/widgets/ListItemData.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace qx71::gui {
namespace {

constexpr int kDataRole = Qt::UserRole;
// The text of a disabled list: the system's button-shadow grey.
const QColor kDisabledText(160, 160, 160);
// Until the owner sets its own: dark slate on a light face, white on blue when selected.
const QColor kDefaultBackground(244, 246, 248);
const QColor kDefaultSelected(16, 104, 146);

class ItemPainter final : public QStyledItemDelegate {
public:
    explicit ItemPainter(CListBoxEx* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const uint32_t data = index.data(kDataRole).toUInt();
        const uint8_t kind = ListItemKindOf(data);
        const QRect r = option.rect;
        painter->save();
        painter->fillRect(r, list_->Background(selected));
        const ListItemLayout layout = LayOutListItem(kind, list_->IconsShown(), list_->IconSize());
        if (layout.icon) {
            const QPixmap icon = list_->IconFor(kind, selected);
            if (!icon.isNull()) {
                painter->drawPixmap(ToQRect(*layout.icon).translated(r.topLeft()), icon);
            }
        }
        painter->setFont(list_->font());
        painter->setPen(list_->TextColour(selected));
        const QRect textBox(r.left() + layout.textLeft, r.top(), r.width() - layout.textLeft,
                            r.height());
        // A line longer than the list is cut with an ellipsis, not at the edge.
        const QString text = painter->fontMetrics().elidedText(
            index.data(Qt::DisplayRole).toString(), Qt::ElideRight, textBox.width());
        painter->drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), list_->IconSize().height + 2 * kListIconTop));
        return size;
    }

private:
    CListBoxEx* list_;
};

} // namespace

CListBoxEx::CListBoxEx(const Rect& rect, QWidget* parent, int id)
    : QListWidget(parent), id_(id), background_(kDefaultBackground),
      text_(ToQColor(kitcolours::kSlateText)), selectedBackground_(kDefaultSelected),
      selectedText_(Qt::white)
{
    setGeometry(ToQRect(rect));
    setFont(ShellDlgFont(kKitTextHeight));
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new ItemPainter(this));
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!quiet_ && row >= 0) {
            Q_EMIT selectionChangedByUser(id_, row);
        }
    });
}

void CListBoxEx::SelectQuietly(int row)
{
    quiet_ = true;
    setCurrentRow(row);
    quiet_ = false;
}

int CListBoxEx::AddItem(const QString& text, uint8_t kind, uint32_t value)
{
    auto* item = new QListWidgetItem(text, this);
    item->setData(kDataRole, MakeListItemData(static_cast<ListItemKind>(kind), value));
    const int row = count() - 1;
    SelectQuietly(row);
    return row;
}

uint32_t CListBoxEx::ItemData(int index) const
{
    const QListWidgetItem* it = item(index);
    return it != nullptr ? it->data(kDataRole).toUInt() : 0;
}

void CListBoxEx::SetIconsShown(bool shown)
{
    iconsShown_ = shown;
    viewport()->update();
}

void CListBoxEx::SetIconSize(Size size)
{
    iconSize_ = size;
    icons_.clear();
    doItemsLayout();
}

void CListBoxEx::SetImageFolder(const QString& folder)
{
    imageFolder_ = folder;
    icons_.clear();
    viewport()->update();
}

void CListBoxEx::SetColours(const QColor& background, const QColor& text,
                            const QColor& selectedBackground, const QColor& selectedText)
{
    background_ = background;
    text_ = text;
    selectedBackground_ = selectedBackground;
    selectedText_ = selectedText;
    // The rows paint themselves; the part of the list below the last row, and the in-place
    // editor, take the same colours from the palette.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, text);
    colours.setColor(QPalette::Highlight, selectedBackground);
    colours.setColor(QPalette::HighlightedText, selectedText);
    setPalette(colours);
    viewport()->update();
}

QColor CListBoxEx::TextColour(bool selected) const
{
    if (!isEnabled()) {
        return kDisabledText;
    }
    return selected ? selectedText_ : text_;
}

QPixmap CListBoxEx::IconFor(uint8_t kind, bool selected)
{
    const std::optional<std::string> name = ListItemIcon(kind, selected);
    if (!name) {
        return {};
    }
    const QString key = QString::fromStdString(*name);
    auto found = icons_.find(key);
    if (found == icons_.end()) {
        QPixmap icon = imageFolder_.isEmpty() ? LoadSkin(*name)
                                              : LoadPicture(imageFolder_ + QLatin1Char('/') + key);
        found = icons_.emplace(key, icon).first;
    }
    return found->second;
}

void CListBoxEx::BeginEdit(int index)
{
    QListWidgetItem* it = item(index);
    if (it == nullptr) {
        return;
    }
    if (editor_ != nullptr) {
        EndEdit(true);
    }
    editRow_ = index;
    editor_ = new QLineEdit(viewport());
    editor_->setFont(font());
    editor_->setMaxLength(kListEditLimit);
    editor_->setText(it->text());
    editor_->selectAll();
    editor_->setGeometry(visualItemRect(it));
    editor_->installEventFilter(this);
    editor_->show();
    editor_->setFocus();
}

void CListBoxEx::EndEdit(bool keep)
{
    if (editor_ == nullptr || ending_) {
        return;
    }
    ending_ = true;
    QLineEdit* editor = editor_;
    editor_ = nullptr;
    const int row = editRow_;
    editRow_ = -1;
    if (QListWidgetItem* it = item(row); it != nullptr && keep) {
        it->setText(editor->text());
    }
    SelectQuietly(row);
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    ending_ = false;
    if (keep && row >= 0) {
        Q_EMIT editEnded(id_, row);
    }
}

bool CListBoxEx::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_) {
        if (event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                EndEdit(true);
                return true;
            }
            if (key == Qt::Key_Escape) {
                EndEdit(false);
                return true;
            }
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            // Acted on at the release; the press must not reach the list or the dialog.
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            EndEdit(true);
        }
    }
    return QListWidget::eventFilter(watched, event);
}

} // namespace qx71::gui
