// The function chooser: the popup's three sheets (background with the title plate, close
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

constexpr Rgb kBody{27, 30, 35};
constexpr Rgb kTitlePlate{222, 227, 232};
// The plate ends above the current function's text, which is drawn in light grey below it.
constexpr int kTitlePlateBottom = 18;
constexpr const char* kModifierNames[ch::kModifierCount] = {"Ctrl", "Alt", "Shift", "Win"};

QRectF F(const Rect& r)
{
    return QRectF(r.left, r.top, r.Width(), r.Height());
}

QColor GlyphColour(Face face)
{
    switch (face) {
    case Face::Hover:
        return Q(kitcolours::kTextHover);
    case Face::Pressed:
        return Q(kitcolours::kTextPressed);
    default:
        return Q(theme::kGlyph);
    }
}

// A check box: a well, ticked in the pressed face (which a checked box shows).
void DrawCheckBox(QPainter& p, const Rect& r, Face face)
{
    p.save();
    p.setPen(QPen(face == Face::Hover ? Q(kitcolours::kTextHover) : Q(theme::kGlyph), 1.2));
    p.setBrush(face == Face::Pressed ? Q(theme::kAmber) : Q(theme::kWell));
    p.drawRoundedRect(F(r).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    if (face == Face::Pressed) {
        const QPointF c = F(r).center();
        const double h = r.Width() / 3.2;
        p.setPen(QPen(Q(kitcolours::kTextPressed), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(
            QPolygonF({QPointF(c.x() - h, c.y()), QPointF(c.x() - h / 3, c.y() + h * 0.7),
                       QPointF(c.x() + h, c.y() - h * 0.7)}));
    }
    p.restore();
}

// The tabs: light slate under their dark slate captions, blue under the white ones.
void DrawTab(QPainter& p, const Rect& r, Face face)
{
    SlateFace slate = SlateFace::Normal;
    if (face == Face::Hover) {
        slate = SlateFace::Hover;
    } else if (face == Face::Pressed) {
        slate = SlateFace::Pressed;
    }
    DrawSlateFace(p, r, slate);
}

void DrawCloseButton(QPainter& p, Face face)
{
    const Rect& r = ch::kCloseButton;
    if (face != Face::Normal) {
        DrawFace(p, r, face);
    }
    const QPointF c = F(r).center();
    p.save();
    p.setPen(QPen(GlyphColour(face), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    p.restore();
}

void DrawPopup(QPainter& p, Face face)
{
    const Size size = ch::kPopupSize;
    p.fillRect(QRect(0, 0, size.width, size.height), Q(kBody));
    // The title plate under the dark title, the band of the tabs and the page area's frame.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Q(kTitlePlate));
    const Rect& title = ch::kTitleText;
    p.drawRoundedRect(QRectF(title.left, 0, title.Width(), kTitlePlateBottom), 4, 4);
    p.fillRect(QRect(0, ch::kTabs[0].bottom, size.width, 2), Q(theme::kAmber));
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Q(theme::kPanel));
    const Rect& page = ch::kPageArea;
    p.drawRect(F(page).adjusted(-1.5, -1.5, 1.5, 1.5));
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width - 1.0, size.height - 1.0));
    p.restore();
    DrawCloseButton(p, face);
    for (const Rect& tab : ch::kTabs) {
        DrawTab(p, tab, face);
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

void DrawWell(QPainter& p, const Rect& r)
{
    p.save();
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Q(theme::kWell));
    p.drawRect(F(r).adjusted(0.5, 0.5, -0.5, -0.5));
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
        p.drawText(F(ch::keypage::kModifierLabels[i]), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(kModifierNames[i]));
    }
    // The "+" between the modifiers and the key.
    p.setFont(gui::ShellDlgFont(20));
    p.setPen(Q(theme::kAmber));
    const Rect& frame = ch::keypage::kKeyNameFrame;
    p.drawText(QRectF(frame.left - 18, frame.top, 16, frame.Height()), Qt::AlignCenter,
               QStringLiteral("+"));
    p.restore();
    DrawWell(p, frame);
}

void DrawListPage(QPainter& p, std::initializer_list<Rect> lists)
{
    FillPage(p);
    for (const Rect& list : lists) {
        DrawWell(p, list.Grown(1));
    }
}

void DrawAdvancedPage(QPainter& p, Face face)
{
    namespace ap = ch::advancedpage;
    FillPage(p);
    for (size_t i = 0; i < ch::kHostRowCount; ++i) {
        // A light plate under each row's dark label.
        const Rect& label = ap::kRowLabels[i];
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Q(kTitlePlate));
        p.drawRoundedRect(F(label).adjusted(-3, -ap::kRowLabelGrowth, 0, ap::kRowLabelGrowth), 3,
                          3);
        p.restore();
        DrawCheckBox(p, ap::kCheckBoxes[i], face);
        DrawFace(p, ap::kPathFields[i], face == Face::Pressed ? Face::Hover : face, 2);
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
