#include "platform/qt/SoundModule.h"

#include <QLibrary>
#include <QString>

namespace qx71 {

namespace {

template <typename Function>
bool Resolve(QLibrary& library, const char* name, Function& function, std::string& error)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    if (function == nullptr) {
        error = library.fileName().toStdString() + " lacks " + name;
        return false;
    }
    return true;
}

} // namespace

bool SoundModule::Open(const std::filesystem::path& file, std::string& error)
{
    // A QLibrary leaves the library loaded when it goes.
    QLibrary library(QString::fromStdString(file.string()));
    if (!library.load()) {
        error = library.errorString().toStdString();
        return false;
    }
#define QX71_SOUND_RESOLVE(name) Resolve(library, "qx71_sound_" #name, name, error)&&
    return QX71_SOUND_CALLS(QX71_SOUND_RESOLVE) true;
#undef QX71_SOUND_RESOLVE
}

} // namespace qx71
