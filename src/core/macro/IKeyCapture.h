#pragma once

namespace qx71 {

// Routes the global keyboard hook to the macro page. While keys are captured, every key event
// (press and release) reaches the page as 0x40A and then MacroEditor::RecordInput.
class IKeyCapture {
public:
    virtual ~IKeyCapture() = default;
    // The page becomes the hooks' target and key recording goes on, mouse recording stays off:
    // SetTarget(page), then SetRecording(1, 0).
    virtual void CaptureKeys() = 0;
    // SetRecording(0, 0): key recording off, and the target returns to the main window.
    // Harmless when not capturing.
    virtual void StopCapture() = 0;
};

} // namespace qx71
