#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace qx71::gallery {

// Where a scene puts its pictures.
class Shots {
public:
    explicit Shots(QString dir) : dir_(std::move(dir)) {}
    // Shows the widget, lets it paint, and saves what it drew as <name>.png.
    void Take(const QString& name, QWidget& widget);
    void Save(const QString& name, const QImage& image);
    int Count() const { return count_; }
    bool Failed() const { return failed_; }

private:
    QString dir_;
    int count_ = 0;
    bool failed_ = false;
};

using SceneFunction = std::function<void(Shots&)>;

struct Scene {
    QString name;
    SceneFunction draw;
};
std::vector<Scene>& Scenes();

// Registers a scene from a file of scenes/ at start-up.
struct RegisterScene {
    RegisterScene(const char* name, SceneFunction draw);
};

// Helpers of the scenes: a language for the built-in texts, and the widget's events handled.
void UseChinese(bool chinese);
void Settle();

} // namespace qx71::gallery
