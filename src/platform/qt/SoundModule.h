#pragma once

#include "platform/qt/SoundModuleCalls.h"

#include <filesystem>
#include <string>

namespace qx71 {

// The sound module, opened at the first sound instead of linked. It stays loaded for the life
// of the process: Qt Multimedia's threads and objects may still be in it.
struct SoundModule {
#define QX71_SOUND_MEMBER(name) decltype(&qx71_sound_##name) name = nullptr;
    QX71_SOUND_CALLS(QX71_SOUND_MEMBER)
#undef QX71_SOUND_MEMBER

    // Opens `file` and looks up its calls; false with the reason in `error` when it cannot be
    // opened or lacks a call.
    bool Open(const std::filesystem::path& file, std::string& error);
};

} // namespace qx71
