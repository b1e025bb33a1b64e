#pragma once
// The hourglass over every window of the program while a long operation runs
// (the screen's mouse pointer set to "busy" until the object goes). Each window
// sets its own pointer when the mouse moves over it, so the hourglass is set
// again after them; the system's windows (message boxes) keep theirs.
#include <windows.h>

namespace ui {

class WaitCursor {
public:
    WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor();

private:
    HHOOK hook_;
};

} // namespace ui
