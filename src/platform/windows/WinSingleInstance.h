#pragma once

namespace qx71 {

// The one running copy of the program: the named mutex "QX71Driver.exe", held until this
// object goes. A second copy finds the mutex taken and asks the first one to show its window
// (message 0x46C with the double-click code 0x203, to the window titled "Tolvi QX71 Gaming
// Mouse Driver").
class WinSingleInstance {
public:
    static constexpr const wchar_t* kMutexName = L"QX71Driver.exe";
    static constexpr const wchar_t* kWindowTitle = L"Tolvi QX71 Gaming Mouse Driver";
    static constexpr unsigned kShowMessage = 0x46C;
    static constexpr long kShowCode = 0x203;

    WinSingleInstance();
    ~WinSingleInstance();
    WinSingleInstance(const WinSingleInstance&) = delete;
    WinSingleInstance& operator=(const WinSingleInstance&) = delete;

    // True when this is the first copy (the mutex was created here).
    bool First() const { return first_; }
    // From a second copy: posts the show request to the first copy's window. False when no
    // such window exists yet.
    static bool ShowRunningCopy();

private:
    void* mutex_ = nullptr;
    bool first_ = false;
};

} // namespace qx71
