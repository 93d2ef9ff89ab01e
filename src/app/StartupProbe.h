#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <fstream>
#include <string>

namespace qx71 {

// Measurements for the start-up benchmark, written only when QX71_PROFILE_FILE names a file:
// the monotonic time of the main window's first paint and the resident memory then, and the longest
// stall of the window thread (how late a 5 ms tick came) until the program ends; every stall over
// 20 ms is listed with the monotonic time it ended, so a benchmark can tell which action caused it.
class StartupProbe : public QObject {
    Q_OBJECT

public:
    explicit StartupProbe(const std::string& file, QObject* parent = nullptr);
    ~StartupProbe() override;

    void OnFirstPaint();

private:
    void OnTick();

    std::ofstream out_;
    QTimer ticker_;
    QElapsedTimer sinceTick_;
    int64_t longestStallMs_ = 0;
};

} // namespace qx71
