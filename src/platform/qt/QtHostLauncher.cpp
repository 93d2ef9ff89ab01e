#include "platform/qt/QtHostLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <iostream>

namespace qx71 {

namespace {

QString ToQString(const std::u16string& text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

bool OpenWithDesktop(const std::u16string& path)
{
    const QString local = ToQString(path);
    if (local.isEmpty()) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(local));
}

} // namespace

QtHostLauncher::QtHostLauncher(std::filesystem::path soundModule,
                               std::function<void(const std::string&)> log)
    : soundModuleFile_(std::move(soundModule)), log_(std::move(log))
{
    if (!log_) {
        log_ = [](const std::string& line) { std::cerr << "qx71: " << line << '\n'; };
    }
}

QtHostLauncher::~QtHostLauncher()
{
    if (player_ != nullptr) {
        sound_.destroy(player_);
    }
}

bool QtHostLauncher::OpenSoundModule()
{
    if (!soundModuleOpen_) {
        std::string error;
        soundModuleOpen_ = sound_.Open(soundModuleFile_, error);
        if (*soundModuleOpen_) {
            player_ = sound_.create();
        } else {
            log_("sounds cannot be played: " + error);
        }
    }
    return *soundModuleOpen_;
}

bool QtHostLauncher::PlaySound(const std::u16string& path)
{
    const QString file = ToQString(path);
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        return false;
    }
    if (!OpenSoundModule()) {
        return false;
    }
    sound_.play(player_, path.data(), path.size());
    return true;
}

bool QtHostLauncher::SoundSettled() const
{
    return player_ == nullptr || sound_.settled(player_) != 0;
}

bool QtHostLauncher::StartProgram(const std::u16string& path)
{
    const QString program = ToQString(path);
    if (program.isEmpty()) {
        return false;
    }
    // The path is the program itself, spaces and all: no shell splits or expands it.
    return QProcess::startDetached(program, {});
}

bool QtHostLauncher::OpenFile(const std::u16string& path)
{
    return OpenWithDesktop(path);
}

bool QtHostLauncher::OpenFolder(const std::u16string& path)
{
    return OpenWithDesktop(path);
}

} // namespace qx71
