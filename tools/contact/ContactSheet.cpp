#include "ContactSheet.h"

#include "gui/widgets/SkinFont.h"

#include <QPainter>

#include <algorithm>

namespace qx71::contact {
namespace {

constexpr int kGap = 16;
constexpr int kCaptionHeight = 24;
constexpr int kTitleHeight = 40;
const QColor kBackground(24, 26, 30);
const QColor kCaptionColour(240, 170, 40);

} // namespace

void ContactSheet::Add(const QString& caption, const QImage& picture)
{
    rows_.back().push_back({caption, picture});
}

void ContactSheet::NewRow()
{
    if (!rows_.back().empty()) {
        rows_.emplace_back();
    }
}

QImage ContactSheet::Compose(const QString& title) const
{
    int width = 0;
    int height = kTitleHeight;
    for (const auto& row : rows_) {
        int rowWidth = kGap;
        int rowHeight = 0;
        for (const Cell& cell : row) {
            rowWidth += cell.picture.width() + kGap;
            rowHeight = std::max(rowHeight, cell.picture.height());
        }
        width = std::max(width, rowWidth);
        height += row.empty() ? 0 : kCaptionHeight + rowHeight + kGap;
    }
    QImage sheet(std::max(width, 1), height, QImage::Format_RGB32);
    sheet.fill(kBackground);
    QPainter p(&sheet);
    QFont titleFont = gui::ShellDlgFont(22);
    titleFont.setWeight(QFont::Bold);
    p.setFont(titleFont);
    p.setPen(kCaptionColour);
    p.drawText(QRect(kGap, 0, width, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(gui::ShellDlgFont(14));
    int y = kTitleHeight;
    for (const auto& row : rows_) {
        int x = kGap;
        int rowHeight = 0;
        for (const Cell& cell : row) {
            p.drawText(QRect(x, y, cell.picture.width(), kCaptionHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, cell.caption);
            p.drawImage(x, y + kCaptionHeight, cell.picture);
            x += cell.picture.width() + kGap;
            rowHeight = std::max(rowHeight, cell.picture.height());
        }
        y += row.empty() ? 0 : kCaptionHeight + rowHeight + kGap;
    }
    return sheet;
}

} // namespace qx71::contact
