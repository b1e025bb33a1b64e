#pragma once
// Controls of the forms: a common base with the properties that the forms and
// the language pass use, and the plain controls (label, picture box, frame,
// text box, list box). The skinned controls build on the same base.
#include "ui/Drawing.h"
#include "ui/Window.h"

#include <functional>
#include <optional>
#include <string>

namespace ui {

// Mouse event arguments as the form handlers receive them: button (MK_* bits of
// the button that changed), shift state (MK_SHIFT, MK_CONTROL) and position in pixels.
struct MouseEvent {
    UINT button = 0;
    UINT shift = 0;
    int x = 0;
    int y = 0;
};

enum class Alignment { Left, Right, Centre };

// Where and how a control draws its caption: the font, the box within the
// client area, and the DrawText format. The check that every translated text
// fits measures against it.
struct CaptionBox {
    HFONT font = nullptr;
    RECT area{};
    UINT format = 0;
};

struct Font {
    const wchar_t* face = L"Arial";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

class Control : public Window {
public:
    Control(std::wstring name, std::wstring typeName);

    const std::wstring& Name() const noexcept { return name_; }
    // The control's type as the language pass tells controls apart ("Label", "sevCheck", ...).
    const std::wstring& TypeName() const noexcept { return typeName_; }

    std::wstring Tag;          // string number of the control's text, as decimal text
    std::optional<int> Index;  // set for elements of a control array

    // Text properties; false when the control has no such property.
    virtual bool SetCaption(const std::wstring& text);
    virtual bool SetText(const std::wstring& text);
    bool SetToolTipText(const std::wstring& text);
    virtual std::wstring Caption() const { return caption_; }
    const std::wstring& ToolTipText() const noexcept { return toolTip_; }
    // The box of the caption in the given client area; none for a control that shows no caption.
    virtual std::optional<CaptionBox> CaptionLayout(const RECT& /*client*/) const { return std::nullopt; }

    // Creates the window, hidden or shown; a hidden control still holds its data.
    void Create(HWND parent, const RECT& bounds, bool visible);

    void SetVisible(bool visible);
    bool Visible() const;
    virtual void SetEnabled(bool enabled);
    bool Enabled() const;
    // The mouse cursor shown over the control; null keeps the class cursor.
    void SetMousePointer(HCURSOR cursor) noexcept { cursor_ = cursor; }

protected:
    virtual HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) = 0;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Redraw() const;
    // Keeps the caption as the window's text too, as Windows' own controls do,
    // so that screen readers and other programs read what the control shows.
    void StoreCaption(const std::wstring& text);

    std::wstring caption_;
    // Tab reaches the control (WS_TABSTOP), also when it is created later.
    void SetTabStop();

private:
    std::wstring name_;
    std::wstring typeName_;
    std::wstring toolTip_;
    HCURSOR cursor_ = nullptr;
    bool tabStop_ = false;
};

// A control that reports the mouse the way the forms expect it: MouseDown,
// MouseUp, then Click when the button went up over the control it went down on.
class MouseControl : public Control {
public:
    using Control::Control;

    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseUp;
    std::function<void()> onClick;
    // Every move over the control, and every move anywhere while it holds the mouse.
    std::function<void(const MouseEvent&)> onMouseMove;

    // A control that a click acts on is a button for the keyboard too: Tab
    // reaches it, it shows a focus rectangle, and Space or Enter click it. A
    // created control that shows no caption takes the name as its window text,
    // so that screen readers announce what it does.
    void ActAsButton(const std::wstring& name = L"");
    bool Focused() const noexcept { return focused_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Pressed() const noexcept { return pressed_; }
    // A click by keyboard: Space, Enter or the caption's access key.
    virtual void KeyClick();
    // Whether Enter clicks the control too, not only Space.
    virtual bool TakesEnter() const { return true; }
    // The focus rectangle just inside the control's edge, while it has the focus.
    void DrawFocus(HDC dc, const RECT& client) const;

private:
    // The button's share of the keyboard; true when it answered the message.
    bool AnswerKeys(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    bool pressed_ = false;
    bool button_ = false;
    bool focused_ = false;
};

// A picture box: shows its picture at the top left over its back colour,
// and can hold other controls.
class PictureBox : public MouseControl {
public:
    explicit PictureBox(std::wstring name);

    void SetPicture(art::Picture picture);
    const art::Picture& Picture() const noexcept { return picture_; }
    void SetBackColor(COLORREF color);
    // What has been drawn on the box, over its picture; kept and drawn again at
    // every paint, so the box never shows a half-drawn state. Null clears it.
    using Drawing = std::function<void(HDC dc, const RECT& client)>;
    void SetDrawing(Drawing drawing);
    bool SetCaption(const std::wstring& text) override;
    // Draws the picture box as it looks, for WM_PAINT, WM_PRINTCLIENT and tests.
    void PaintContent(HDC dc, const RECT& client) const;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    art::Picture picture_;
    COLORREF backColor_ = RGB(255, 255, 255);
    Drawing drawing_;
};

// A label: text in a font and colour, on its back colour or transparent over its parent.
class Label : public MouseControl {
public:
    explicit Label(std::wstring name);

    bool SetCaption(const std::wstring& text) override;
    void SetFont(const Font& font);
    void SetForeColor(COLORREF color);
    void SetBackColor(COLORREF color);
    void SetTransparent(bool transparent);
    void SetAlignment(Alignment alignment);
    // Sized to its text, from its top left corner.
    void SetAutoSize(bool autoSize);
    void PaintContent(HDC dc, const RECT& client) const;
    // Sized to its text, a label shows what its parent leaves right of and below it.
    std::optional<CaptionBox> CaptionLayout(const RECT& client) const override;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FitToText();
    UINT TextFormat() const;

    Font font_;
    win::unique_hfont hfont_;
    COLORREF foreColor_ = RGB(0, 0, 0);
    COLORREF backColor_ = RGB(255, 255, 255);
    bool transparent_ = false;
    bool autoSize_ = false;
    Alignment alignment_ = Alignment::Left;
};

// A plain frame: a container, white, with or without a border and caption.
// Every page form keeps its content in one such frame, its page frame.
class Frame : public Control {
public:
    explicit Frame(std::wstring name, bool border = false);

    bool SetCaption(const std::wstring& text) override;
    // The caption's font; without one the system's dialog font. WM_GETFONT tells it.
    void SetFont(const Font& font);
    void PaintContent(HDC dc, const RECT& client) const;
    // Only a frame with a border shows its caption.
    std::optional<CaptionBox> CaptionLayout(const RECT& client) const override;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HFONT CaptionFont() const;

    bool border_;
    win::unique_hfont font_;
};

// The system's own push button.
class CommandButton : public Control {
public:
    explicit CommandButton(std::wstring name);

    bool SetCaption(const std::wstring& text) override;
    // Pressing the button from code, as setting its value does: raises onClick.
    void SetValue(bool pressed);

    std::function<void()> onClick;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    void OnReflectedCommand(WORD code) override;
};

// An edit box. The pages' message text boxes are hidden ones that only hold text.
class TextBox : public Control {
public:
    explicit TextBox(std::wstring name);

    // A new text, from code or typed, raises onChange.
    bool SetText(const std::wstring& text) override;
    const std::wstring& Text() const noexcept { return text_; }
    void SetLocked(bool locked);

    std::function<void()> onChange;
    std::function<void()> onLostFocus;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    void OnReflectedCommand(WORD code) override;

private:
    std::wstring text_;
    bool locked_ = false;
};

class ListBox : public Control {
public:
    explicit ListBox(std::wstring name);

    void AddItem(const std::wstring& text);
    void Clear();
    int ListCount() const;
    std::wstring List(int index) const;
    int ListIndex() const;
    void SetListIndex(int index);
    // The selected entry's text, "" when none.
    std::wstring SelectedText() const;

    std::function<void()> onClick;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    void OnReflectedCommand(WORD code) override;
    HBRUSH OnReflectedColor(HDC dc) override;
};

// A horizontal scroll bar with a value between its minimum and maximum.
class HScrollBar : public Control {
public:
    explicit HScrollBar(std::wstring name);

    void SetRange(int minimum, int maximum);
    // The steps of a click on an arrow and beside the thumb.
    void SetChanges(int smallChange, int largeChange);
    int Value() const noexcept { return value_; }
    // False, and nothing changes, for a value outside the range. A new value raises onChange.
    bool SetValue(int value);

    std::function<void()> onChange;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    void OnReflectedScroll(WORD code, int trackPosition) override;

private:
    void ShowValue() const;

    int minimum_ = 0;
    int maximum_ = 32767;
    int small_ = 1;
    int large_ = 1;
    int value_ = 0;
};

// A timer: raises onTimer every interval while it is enabled. It is a hidden
// child of its form, so it stops for good when the form's window goes.
class Timer : public Control {
public:
    explicit Timer(std::wstring name);
    ~Timer() override;

    void SetInterval(UINT milliseconds);
    void SetEnabled(bool enabled) override;

    std::function<void()> onTimer;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Restart();

    UINT interval_ = 0;
    bool enabled_ = false;
};

} // namespace ui
