#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>

namespace qx71 {

namespace {

// The pipe the handler writes the signal number to; read on the window's thread.
std::array<int, 2> gPipe{-1, -1};

extern "C" void OnSignal(int number)
{
    const int saved = errno;
    const char byte = static_cast<char>(number);
    // A full pipe drops the byte: a close is already pending then.
    [[maybe_unused]] const ssize_t written = ::write(gPipe[1], &byte, 1);
    errno = saved;
}

bool Catch(int number)
{
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(number, &action, nullptr) == 0;
}

void Release(int number)
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(number, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(Handlers handlers, QObject* parent)
    : QObject(parent), handlers_(std::move(handlers))
{
    if (gPipe[0] >= 0 || ::pipe2(gPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(gPipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::OnReadable);
    installed_ = Catch(SIGTERM) && Catch(SIGINT);
    if (handlers_.unplug) {
        installed_ = Catch(SIGUSR1) && installed_;
    }
    if (handlers_.plug) {
        installed_ = Catch(SIGUSR2) && installed_;
    }
}

TerminationSignals::~TerminationSignals()
{
    for (int number : {SIGTERM, SIGINT, SIGUSR1, SIGUSR2}) {
        Release(number);
    }
    notifier_.reset();
    if (gPipe[0] >= 0) {
        ::close(gPipe[0]);
        ::close(gPipe[1]);
        gPipe = {-1, -1};
    }
}

void TerminationSignals::OnReadable()
{
    char byte = 0;
    while (::read(gPipe[0], &byte, 1) == 1) {
        switch (byte) {
        case SIGTERM:
        case SIGINT:
            if (handlers_.terminate) {
                handlers_.terminate();
            }
            break;
        case SIGUSR1:
            if (handlers_.unplug) {
                handlers_.unplug();
            }
            break;
        case SIGUSR2:
            if (handlers_.plug) {
                handlers_.plug();
            }
            break;
        default:
            break;
        }
    }
}

} // namespace qx71
