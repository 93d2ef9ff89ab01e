// The floor of the start-up benchmark: a bare Qt window showing one label, built like the
// program. With QX71_PROFILE_FILE set it writes the monotonic time of its first paint and its
// resident memory then, as the program's start-up probe does, and ends.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <string>
#include <time.h>

namespace {

int64_t MonotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

std::string ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return line.substr(line.find_first_not_of(" \t", 6));
        }
    }
    return "0 kB";
}

class FloorLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (painted_) {
            return;
        }
        painted_ = true;
        if (const char* file = std::getenv("QX71_PROFILE_FILE"); file != nullptr && *file) {
            std::ofstream(file) << "first-paint-ms " << MonotonicMs() << '\n'
                                << "first-paint-rss " << ResidentKiB() << '\n';
        }
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    FloorLabel label(QStringLiteral("Tolvi QX71 Gaming Mouse Driver"));
    label.setWindowTitle(QStringLiteral("floor"));
    label.show();
    return QApplication::exec();
}
