#include "platform/linux/PosixProcessStarter.h"

#include <signal.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace qx71 {

namespace {

// Frees the spawn attributes however Start returns.
class SpawnAttributes {
public:
    SpawnAttributes() { ok_ = ::posix_spawnattr_init(&attr_) == 0; }
    ~SpawnAttributes()
    {
        if (ok_) {
            ::posix_spawnattr_destroy(&attr_);
        }
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    bool ok() const { return ok_; }
    posix_spawnattr_t* get() { return &attr_; }

private:
    posix_spawnattr_t attr_{};
    bool ok_ = false;
};

} // namespace

bool PosixProcessStarter::Start(const std::filesystem::path& program,
                                const std::vector<std::string>& arguments)
{
    SpawnAttributes attr;
    if (!attr.ok()) {
        return false;
    }
    // The tool must not inherit a blocked signal mask or ignored signals from this program.
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    ::posix_spawnattr_setsigmask(attr.get(), &none);
    ::posix_spawnattr_setsigdefault(attr.get(), &all);
    ::posix_spawnattr_setflags(attr.get(),
                               POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);

    const std::string path = program.string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const auto& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    // glibc reports a failed exec (missing or not executable) as the result.
    return ::posix_spawn(&pid, path.c_str(), nullptr, attr.get(), argv.data(), environ) == 0;
}

} // namespace qx71
