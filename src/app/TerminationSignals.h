#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace qx71 {

// Turns SIGTERM and SIGINT (a logout without a session manager, kill, Ctrl+C) into a call on
// the window's thread, so the program closes as "Exit" does. With the simulated mouse,
// SIGUSR1 unplugs it and SIGUSR2 plugs it in again. The handler only writes to a pipe.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    struct Handlers {
        std::function<void()> terminate;
        std::function<void()> unplug; // empty: SIGUSR1 keeps its default
        std::function<void()> plug;   // empty: SIGUSR2 keeps its default
    };

    explicit TerminationSignals(Handlers handlers, QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False when the pipe or the handlers could not be set up.
    bool Installed() const { return installed_; }

private:
    void OnReadable();

    Handlers handlers_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool installed_ = false;
};

} // namespace qx71
