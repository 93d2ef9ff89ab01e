#include "Gallery.h"

#include "gui/widgets/UiLanguage.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace qx71::gallery {

std::vector<Scene>& Scenes()
{
    static std::vector<Scene> scenes;
    return scenes;
}

RegisterScene::RegisterScene(const char* name, SceneFunction draw)
{
    Scenes().push_back({QString::fromUtf8(name), std::move(draw)});
}

void UseChinese(bool chinese)
{
    gui::SetChineseUiSource([chinese] { return chinese; });
}

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

void Shots::Take(const QString& name, QWidget& widget)
{
    widget.show();
    Settle();
    Save(name, widget.grab().toImage());
}

void Shots::Save(const QString& name, const QImage& image)
{
    const QString path = QDir(dir_).filePath(name + QStringLiteral(".png"));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "gallery: cannot write %s\n", qPrintable(path));
        failed_ = true;
        return;
    }
    ++count_;
    std::printf("%s\n", qPrintable(path));
}

} // namespace qx71::gallery
