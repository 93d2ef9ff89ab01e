// The function chooser: the popup's three sheets (background with the title band, close
// button, four tabs, disable box, default and OK buttons) and the three sheets of each of its
// four pages. The captions and painted texts come from the language file, so one set serves
// every language; the words drawn here (the modifier names) are the same in all of them.
#include "SkinWriter.h"
#include "Theme.h"

#include "core/buttons/ChooserGeometry.h"
#include "core/widgets/KitColours.h"
#include "gui/widgets/SkinFont.h"

namespace qx71::skins {
namespace {

namespace ch = chooser;

constexpr const char* kModifierNames[ch::kModifierCount] = {"Ctrl", "Alt", "Shift", "Win"};

// A check box: a well, ticked in the pressed face (which a checked box shows).
void DrawCheckBox(QPainter& p, const Rect& r, Face face)
{
    p.save();
    p.setPen(QPen(face == Face::Hover ? Q(kitcolours::kTextHover) : Q(theme::kGlyph), 1.2));
    p.setBrush(face == Face::Pressed ? Q(theme::kAmber) : Q(theme::kWell));
    p.drawRoundedRect(RectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    if (face == Face::Pressed) {
        const QPointF c = RectF(r).center();
        const double h = r.Width() / 3.2;
        p.setPen(QPen(Q(kitcolours::kTextPressed), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(
            QPolygonF({QPointF(c.x() - h, c.y()), QPointF(c.x() - h / 3, c.y() + h * 0.7),
                       QPointF(c.x() + h, c.y() - h * 0.7)}));
    }
    p.restore();
}

void DrawCloseButton(QPainter& p, Face face)
{
    const Rect& r = ch::kCloseButton;
    if (face != Face::Normal) {
        DrawFace(p, r, face);
    }
    const QPointF c = RectF(r).center();
    p.save();
    p.setPen(QPen(GlyphColour(face), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    p.restore();
}

void DrawPopup(QPainter& p, Face face)
{
    const Size size = ch::kPopupSize;
    FillBackground(p, {0, 0, size.width, size.height}, size.height);
    p.save();
    // The title's dark band with its amber line, the line under the tabs and the page area's
    // frame.
    p.fillRect(QRect(0, 0, size.width, ch::kTitleBandBottom), Q(theme::kWell));
    p.fillRect(QRect(0, ch::kTitleBandBottom, size.width, 1), Q(theme::kLine));
    p.fillRect(QRect(0, ch::kTabs[0].bottom, size.width, 2), Q(theme::kAmber));
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Q(theme::kPanel));
    const Rect& page = ch::kPageArea;
    p.drawRect(RectF(page).adjusted(-1.5, -1.5, 1.5, 1.5));
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width - 1.0, size.height - 1.0));
    p.restore();
    DrawCloseButton(p, face);
    for (const Rect& tab : ch::kTabs) {
        DrawFace(p, tab, face);
    }
    DrawCheckBox(p, ch::kDisableBox, face);
    DrawFace(p, ch::kDefaultButton, face);
    DrawFace(p, ch::kOkButton, face);
}

void FillPage(QPainter& p)
{
    const Size size = ch::kPageSize;
    p.fillRect(QRect(0, 0, size.width, size.height), Q(theme::kPanel));
}

void DrawChooserWell(QPainter& p, const Rect& r)
{
    p.save();
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Q(theme::kWell));
    p.drawRect(RectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void DrawKeyPage(QPainter& p, Face face)
{
    FillPage(p);
    p.save();
    p.setFont(gui::ShellDlgFont(ch::kTextPixels));
    p.setPen(Q(theme::kGlyph));
    for (size_t i = 0; i < ch::kModifierCount; ++i) {
        DrawCheckBox(p, ch::keypage::kModifierBoxes[i], face);
        p.drawText(RectF(ch::keypage::kModifierLabels[i]), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(kModifierNames[i]));
    }
    // The "+" between the modifiers and the key.
    p.setFont(gui::ShellDlgFont(20));
    p.setPen(Q(theme::kAmber));
    const Rect& frame = ch::keypage::kKeyNameFrame;
    p.drawText(QRectF(frame.left - 18, frame.top, 16, frame.Height()), Qt::AlignCenter,
               QStringLiteral("+"));
    p.restore();
    DrawChooserWell(p, frame);
}

void DrawListPage(QPainter& p, std::initializer_list<Rect> lists)
{
    FillPage(p);
    for (const Rect& list : lists) {
        DrawChooserWell(p, list.Grown(1));
    }
}

// The rows' labels are drawn by the page, left-aligned over their path fields.
void DrawAdvancedPage(QPainter& p, Face face)
{
    namespace ap = ch::advancedpage;
    FillPage(p);
    for (size_t i = 0; i < ch::kHostRowCount; ++i) {
        DrawCheckBox(p, ap::kCheckBoxes[i], face);
        DrawChooserWell(p, ap::kPathFields[i]);
        DrawFace(p, ap::kBrowseButtons[i], face);
    }
}

void WriteSheets(SkinWriter& writer, const ch::Sheets& sheets, Size size,
                 const std::function<void(QPainter&, Face)>& draw)
{
    const std::pair<std::string_view, Face> files[] = {
        {sheets.normal, Face::Normal},
        {sheets.hover, Face::Hover},
        {sheets.pressed, Face::Pressed},
    };
    for (const auto& [file, face] : files) {
        writer.Write(file, size, [&draw, face](QPainter& p) { draw(p, face); });
    }
}

} // namespace

void DrawChooserSheets(SkinWriter& writer)
{
    WriteSheets(writer, ch::kPopupSheets, ch::kPopupSize, DrawPopup);
    WriteSheets(writer, ch::kKeyPageSheets, ch::kPageSize, DrawKeyPage);
    WriteSheets(writer, ch::kMacroPageSheets, ch::kPageSize, [](QPainter& p, Face) {
        DrawListPage(p, {ch::macropage::kGameList, ch::macropage::kMacroList});
    });
    WriteSheets(writer, ch::kBasicPageSheets, ch::kPageSize,
                [](QPainter& p, Face) { DrawListPage(p, {ch::basicpage::kList}); });
    WriteSheets(writer, ch::kAdvancedPageSheets, ch::kPageSize, DrawAdvancedPage);
}

} // namespace qx71::skins
