#pragma once

#include "core/widgets/Geometry.h"

#include <QColor>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>

#include <map>

class QLineEdit;

namespace qx71::gui {

// An owner-drawn list: each item's 32-bit data holds its kind (top 8 bits: key release, key
// press and delay items carry an icon) and a value. Items can be edited in place: Enter (on
// its release) or leaving the editor keeps the new text, Escape cancels.
class CListBoxEx : public QListWidget {
    Q_OBJECT

public:
    CListBoxEx(const Rect& rect, QWidget* parent, int id = 0);

    int Id() const { return id_; }
    // Adds an item and selects it; returns its index.
    int AddItem(const QString& text, uint8_t kind, uint32_t value);
    uint32_t ItemData(int index) const;
    void SetIconsShown(bool shown);
    void SetIconSize(Size size);
    // The folder of the item icons (the skins folder unless set).
    void SetImageFolder(const QString& folder);
    void SetColours(const QColor& background, const QColor& text, const QColor& selectedBackground,
                    const QColor& selectedText);

    void BeginEdit(int index);
    QLineEdit* Editor() const { return editor_; }

    // For the delegate.
    QPixmap IconFor(uint8_t kind, bool selected);
    bool IconsShown() const { return iconsShown_; }
    Size IconSize() const { return iconSize_; }
    QColor Background(bool selected) const { return selected ? selectedBackground_ : background_; }
    QColor TextColour(bool selected) const;

Q_SIGNALS:
    // The 1125 notification: the user changed the selection.
    void selectionChangedByUser(int id, int index);
    // The 1136 notification: an in-place edit ended with a new text in the item.
    void editEnded(int id, int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EndEdit(bool keep);
    void SelectQuietly(int row);

    int id_;
    bool iconsShown_ = true;
    Size iconSize_{16, 16};
    QString imageFolder_;
    std::map<QString, QPixmap> icons_;
    QColor background_, text_, selectedBackground_, selectedText_;
    QPointer<QLineEdit> editor_;
    int editRow_ = -1;
    bool quiet_ = false;
    bool ending_ = false;
};

} // namespace qx71::gui
