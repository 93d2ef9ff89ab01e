#include "platform/qt/QtHostLauncher.h"
#include "platform/qt/SingleInstance.h"

#include "UrlRecorder.h"
#include "support/TempDir.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <QUuid>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace qx71 {
namespace {

constexpr qint64 kTimeoutMs = 20000;

// Runs the event loop until `done` holds or the timeout passes.
bool ProcessUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < kTimeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return done();
}

QString UniqueName()
{
    return QStringLiteral("qx71-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

TEST(SingleInstance, ASecondCopyAsksTheFirstToShowItsWindow)
{
    const QString name = UniqueName();
    int shown = 0;
    SingleInstance first(name);
    ASSERT_EQ(first.Claim([&] { ++shown; }), SingleInstance::Role::First);

    SingleInstance second(name);
    EXPECT_EQ(second.Claim([] {}), SingleInstance::Role::Second);
    EXPECT_TRUE(ProcessUntil([&] { return shown == 1; }));
    SingleInstance third(name);
    EXPECT_EQ(third.Claim([] {}), SingleInstance::Role::Second);
    EXPECT_TRUE(ProcessUntil([&] { return shown == 2; }));
}

TEST(SingleInstance, WhatAKilledCopyLeftBehindDoesNotBlockTheNextStart)
{
    const QString name = UniqueName();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Claims, then dies without cleaning up: lock file and socket stay.
        SingleInstance killed(name);
        const bool first = killed.Claim([] {}) == SingleInstance::Role::First;
        _exit(first ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    int shown = 0;
    SingleInstance next(name);
    ASSERT_EQ(next.Claim([&] { ++shown; }), SingleInstance::Role::First);
    SingleInstance later(name);
    EXPECT_EQ(later.Claim([] {}), SingleInstance::Role::Second);
    EXPECT_TRUE(ProcessUntil([&] { return shown == 1; }));
}

// What reaches the first copy's socket: only a whole show request shows the window, however
// it is split; anything else is ignored and the copy keeps listening.
TEST(SingleInstance, OnlyAWholeShowRequestShowsTheWindow)
{
    const QString name = UniqueName();
    int shown = 0;
    SingleInstance first(name);
    ASSERT_EQ(first.Claim([&] { ++shown; }), SingleInstance::Role::First);
    const std::string path = QFile::encodeName(QDir::temp().filePath(name)).toStdString();
    struct Case {
        std::vector<std::string> pieces;
        int shows;
    };
    const Case cases[] = {
        {{"show\n"}, 1},          {{"sh", "ow\n"}, 1}, {{"show\nshow\n"}, 2},
        {{"hello\n", "show"}, 0}, {{"show"}, 0},       {{std::string(200, 'x')}, 0},
    };
    for (const Case& c : cases) {
        const int before = shown;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        ASSERT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        for (const std::string& piece : c.pieces) {
            ASSERT_EQ(::send(fd, piece.data(), piece.size(), MSG_NOSIGNAL),
                      static_cast<ssize_t>(piece.size()));
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        ::close(fd);
        // A whole request after it still gets through, so the case has been read by then.
        SingleInstance later(name);
        ASSERT_EQ(later.Claim([] {}), SingleInstance::Role::Second);
        EXPECT_TRUE(ProcessUntil([&] { return shown == before + c.shows + 1; }))
            << c.pieces.front() << ": " << shown - before - 1 << " shows";
    }
}

std::u16string U16(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string()).toStdU16String();
}

TEST(QtHostLauncher, StartsAProgramWithoutAShell)
{
    test::TempDir tmp;
    const auto marker = tmp / "started";
    const auto program = tmp / "my program.sh";
    {
        std::ofstream script(program);
        script << "#!/bin/sh\ntouch '" << marker.string() << "'\n";
    }
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    QtHostLauncher launcher(QX71_TEST_SOUND_MODULE);
    ASSERT_TRUE(launcher.StartProgram(U16(program)));
    EXPECT_TRUE(ProcessUntil([&] { return std::filesystem::exists(marker); }));

    // A shell would run the second command; without one it is a file name that does not exist.
    const auto injected = tmp / "injected";
    EXPECT_FALSE(launcher.StartProgram(U16(program.string() + "; touch " + injected.string())));
    EXPECT_FALSE(launcher.StartProgram(u""));
    QThread::msleep(100);
    EXPECT_FALSE(std::filesystem::exists(injected));
}

TEST(QtHostLauncher, FilesAndFoldersGoToTheDesktopHandler)
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "Open");
    QtHostLauncher launcher(QX71_TEST_SOUND_MODULE);
    EXPECT_TRUE(launcher.OpenFile(u"/home/user/My Files/notes.txt"));
    EXPECT_TRUE(launcher.OpenFolder(u"/home/user/My Files"));
    EXPECT_FALSE(launcher.OpenFile(u""));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(recorder.opened.size(), 2u);
    EXPECT_EQ(recorder.opened[0].toLocalFile(), QStringLiteral("/home/user/My Files/notes.txt"));
    EXPECT_EQ(recorder.opened[1].toLocalFile(), QStringLiteral("/home/user/My Files"));
}

// A short WAV file of silence: 8-bit mono PCM, 8 kHz, 800 samples.
void WriteSilentWav(const std::filesystem::path& wav)
{
    const uint32_t samples = 800;
    std::ofstream out(wav, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + samples);
    out << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(8000);
    u16(1);
    u16(8);
    out << "data";
    u32(samples);
    out << std::string(samples, '\x80');
}

TEST(QtHostLauncher, SoundsPlayWithoutAnAudioDeviceAndMissingFilesAreRefused)
{
    test::TempDir tmp;
    const auto wav = tmp / "click.wav";
    WriteSilentWav(wav);
    std::vector<std::string> logged;
    QtHostLauncher launcher(QX71_TEST_SOUND_MODULE,
                            [&](const std::string& line) { logged.push_back(line); });
    EXPECT_TRUE(launcher.PlaySound(U16(wav)));
    // A second press restarts it.
    EXPECT_TRUE(launcher.PlaySound(U16(wav)));
    EXPECT_FALSE(launcher.PlaySound(U16(tmp / "missing.wav")));
    EXPECT_TRUE(ProcessUntil([&] { return launcher.SoundSettled(); }));
    EXPECT_TRUE(logged.empty());
}

TEST(QtHostLauncher, WithoutTheSoundModuleNoSoundPlaysAndTheReasonIsToldOnce)
{
    test::TempDir tmp;
    const auto wav = tmp / "click.wav";
    WriteSilentWav(wav);
    // A module that is not there, and one that is no library.
    const auto notALibrary = tmp / "libqx71sound.so";
    std::ofstream(notALibrary) << "not a library";
    for (const auto& module : {tmp / "missing" / "libqx71sound.so", notALibrary}) {
        std::vector<std::string> logged;
        QtHostLauncher launcher(module, [&](const std::string& line) { logged.push_back(line); });
        EXPECT_FALSE(launcher.PlaySound(U16(wav)));
        EXPECT_FALSE(launcher.PlaySound(U16(wav)));
        EXPECT_TRUE(launcher.SoundSettled());
        ASSERT_EQ(logged.size(), 1u) << module;
        EXPECT_EQ(logged[0].rfind("sounds cannot be played: ", 0), 0u) << logged[0];
        EXPECT_NE(logged[0].find("libqx71sound.so"), std::string::npos) << logged[0];
    }
}

} // namespace
} // namespace qx71

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Objects Qt released with deleteLater (the sound's sample) go before the leak check.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
