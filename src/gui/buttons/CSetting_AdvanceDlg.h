#pragma once

#include "core/buttons/HostActionPage.h"
#include "gui/buttons/CSettingPage.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace qx71 {
class IMessageSink;
class UiStrings;
} // namespace qx71

namespace qx71::gui {

// The chooser's advanced page: four rows (sound, program, file, folder), each with a box, the
// chosen path and a browse button that opens the row's file or folder dialog.
class CSetting_AdvanceDlg : public CSettingPage {
    Q_OBJECT

public:
    // Opens the row's dialog; nullopt when it was cancelled.
    // The dialog of a row: what it offers, the row's current path, its owner.
    using PathChooser = std::function<std::optional<QString>(
        const HostBrowse&, const QString& currentPath, QWidget* parent)>;

    // The rows' labels.
    std::vector<TextLayout> TextLayouts() const override;

    CSetting_AdvanceDlg(HostActionPage& page, const UiStrings& strings, IMessageSink& messages,
                        bool chinese, QWidget* parent);

    // The file and folder dialogs (QFileDialog unless replaced).
    void SetPathChooser(PathChooser chooser) { choosePath_ = std::move(chooser); }
    void Retranslate();
    void ShowState();

    CGDIBitmapBtn* Box(HostRow row) const { return boxes_[Index(row)]; }
    CGDIBitmapBtn* PathField(HostRow row) const { return paths_[Index(row)]; }
    CGDIBitmapBtn* BrowseButton(HostRow row) const { return browse_[Index(row)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static size_t Index(HostRow row) { return static_cast<size_t>(row); }
    void Browse(HostRow row);

    HostActionPage& page_;
    const UiStrings& strings_;
    IMessageSink& messages_;
    bool chinese_;
    PathChooser choosePath_;
    std::array<CGDIBitmapBtn*, kHostRowCount> boxes_{};
    std::array<CGDIBitmapBtn*, kHostRowCount> paths_{};
    std::array<CGDIBitmapBtn*, kHostRowCount> browse_{};
};

// The dialogs of the rows: an open-file dialog with the row's filter (and every file as the
// second choice), or the folder browser.
std::optional<QString> ChooseHostPath(const HostBrowse& browse, const QString& currentPath,
                                      QWidget* parent);

} // namespace qx71::gui
