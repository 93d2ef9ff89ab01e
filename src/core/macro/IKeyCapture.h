#pragma once

namespace qx71 {

// Routes the global keyboard hook to the macro page. While keys are captured, every key event
// reaches MacroEditor::RecordInput and mouse events are not forwarded.
class IKeyCapture {
public:
    virtual ~IKeyCapture() = default;
    // Keyboard forwarding to the macro page on, mouse forwarding off.
    virtual void CaptureKeys() = 0;
    // Both forwardings off; key events go back to the main window. Harmless when not capturing.
    virtual void StopCapture() = 0;
};

} // namespace qx71
