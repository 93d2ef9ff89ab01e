// The sound module: Qt Multimedia's sound effect behind the calls of SoundModuleCalls.h. WAV
// files only, as the Windows call plays; no media pipeline that could be missing.
#include "platform/qt/SoundModuleCalls.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

struct Qx71SoundPlayer {
    QSoundEffect effect;
};

extern "C" {

Q_DECL_EXPORT Qx71SoundPlayer* qx71_sound_create()
{
    return new Qx71SoundPlayer;
}

Q_DECL_EXPORT void qx71_sound_destroy(Qx71SoundPlayer* player)
{
    if (player != nullptr) {
        player->effect.stop();
        delete player;
    }
}

Q_DECL_EXPORT void qx71_sound_play(Qx71SoundPlayer* player, const char16_t* path, size_t length)
{
    // A new press starts the sound again from the beginning.
    player->effect.stop();
    player->effect.setSource(
        QUrl::fromLocalFile(QString::fromUtf16(path, static_cast<qsizetype>(length))));
    player->effect.play();
}

Q_DECL_EXPORT int qx71_sound_settled(const Qx71SoundPlayer* player)
{
    return player->effect.status() != QSoundEffect::Loading ? 1 : 0;
}
}
