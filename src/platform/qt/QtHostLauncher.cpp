#include "platform/qt/QtHostLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

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

QtHostLauncher::QtHostLauncher() = default;

QtHostLauncher::~QtHostLauncher()
{
    if (sound_) {
        sound_->stop();
    }
}

bool QtHostLauncher::PlaySound(const std::u16string& path)
{
    const QString file = ToQString(path);
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        return false;
    }
    if (!sound_) {
        sound_ = std::make_unique<QSoundEffect>();
    }
    // A new press starts the sound again from the beginning.
    sound_->stop();
    sound_->setSource(QUrl::fromLocalFile(file));
    sound_->play();
    return true;
}

bool QtHostLauncher::SoundSettled() const
{
    return !sound_ || sound_->status() != QSoundEffect::Loading;
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
