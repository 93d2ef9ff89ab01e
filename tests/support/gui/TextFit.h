#pragma once

// Measures every text a window draws against the control that draws it: the texts come from
// the widgets' own layouts (ITextLayouts, the same the painting uses), so what is checked is
// what is drawn.
#include "gui/widgets/CIrrButton.h"
#include "gui/widgets/TextLayout.h"

#include <QFontInfo>
#include <QRegion>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace qx71::test {

// Below this a text no longer reads.
inline constexpr int kSmallestReadablePixels = 9;

struct PlacedText {
    const QWidget* widget;
    gui::TextLayout text;
    QRect used; // in the window's coordinates
};

inline QString Describe(const PlacedText& placed)
{
    return QStringLiteral("%1 (%2) \"%3\"")
        .arg(placed.text.control, QString::fromLatin1(placed.widget->metaObject()->className()),
             placed.text.wanted);
}

// The texts of every widget under `root` that shows, in root's coordinates.
inline std::vector<PlacedText> PlacedTexts(const QWidget& root)
{
    std::vector<PlacedText> out;
    QList<const QWidget*> widgets{&root};
    for (const QWidget* child : root.findChildren<const QWidget*>()) {
        if (child->isVisibleTo(&root) && child->window() == root.window()) {
            widgets.push_back(child);
        }
    }
    for (const QWidget* widget : widgets) {
        const auto* source = dynamic_cast<const gui::ITextLayouts*>(widget);
        if (source == nullptr) {
            continue;
        }
        for (const gui::TextLayout& text : source->TextLayouts()) {
            const QRect used = text.Used();
            out.push_back({widget, text, QRect(widget->mapTo(&root, used.topLeft()), used.size())});
        }
    }
    return out;
}

// Every text that is cut, shrunk below legibility, out of its box or its control, or over
// another control's text, one line each, prefixed with `where`.
inline QStringList FitProblems(const QWidget& root, const QString& where)
{
    QStringList problems;
    const std::vector<PlacedText> texts = PlacedTexts(root);
    for (const PlacedText& placed : texts) {
        const gui::TextLayout& t = placed.text;
        const QString what = where + QStringLiteral(": ") + Describe(placed);
        // A caption broken onto two lines at a space is whole.
        if (QString(t.shown).replace(QLatin1Char('\n'), QLatin1Char(' ')) != t.wanted) {
            problems << what + QStringLiteral(" is cut to \"%1\"").arg(t.shown);
        }
        const int pixels = QFontInfo(t.font).pixelSize();
        if (pixels < kSmallestReadablePixels) {
            problems << what + QStringLiteral(" is drawn at %1 px").arg(pixels);
        }
        const QRect local = t.Used();
        if (!t.box.contains(local)) {
            problems << what + QStringLiteral(" needs %1x%2 in a box of %3x%4")
                                   .arg(local.width())
                                   .arg(local.height())
                                   .arg(t.box.width())
                                   .arg(t.box.height());
        }
        QRegion shape(placed.widget->rect());
        if (const auto* region = qobject_cast<const gui::CIrrButton*>(placed.widget)) {
            shape = region->Region();
        }
        if (!QRegion(local).subtracted(shape).isEmpty()) {
            problems << what + QStringLiteral(" runs over the edge of its control");
        }
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j) {
            if (texts[i].used.intersects(texts[j].used)) {
                problems << where + QStringLiteral(": ") + Describe(texts[i]) +
                                QStringLiteral(" overlaps ") + Describe(texts[j]);
            }
        }
    }
    return problems;
}

} // namespace qx71::test
