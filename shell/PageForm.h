#pragma once
// A page is a form that is never shown itself: its content sits in one page
// frame, which the main window shows in its container.
#include "ui/Form.h"

namespace ui {

class PageForm : public Form {
protected:
    using Form::Form;
    // The page frame: at the form's top left, the container's size, white, no border.
    static ControlRow PageFrameRow(Frame& frame) { return {frame, nullptr, {0, 0, 6015, 5775}, L"", L"Frame1"}; }
    // Called each time just before the page frame goes into the main window's container.
    virtual void Page_Showing() {}

private:
    friend void ShowPage(Control& pageFrame);
};

// Puts a page frame into the main window's container, on top of what it showed.
// When the main window holds the focus, the page's first control takes it.
void ShowPage(Control& pageFrame);

} // namespace ui
