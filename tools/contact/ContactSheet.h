#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace qx71::contact {

// Pictures laid out in rows under their captions, on the window's dark background.
class ContactSheet {
public:
    void Add(const QString& caption, const QImage& picture);
    // A new row starts with the next picture.
    void NewRow();
    QImage Compose(const QString& title) const;

private:
    struct Cell {
        QString caption;
        QImage picture;
    };
    std::vector<std::vector<Cell>> rows_{1};
};

} // namespace qx71::contact
