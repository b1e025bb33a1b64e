#pragma once
// The skinned controls: button, check box, option button, titled frame and
// progress bar, drawn by the program itself in the rounded blue XP look.
// Each one draws through one PaintContent of its state, for WM_PAINT (buffered),
// WM_PRINTCLIENT and tests alike.
#include "ui/Controls.h"

#include <functional>
#include <string>

namespace ui {

// What the button, check box and option button share: the keyboard focus (Tab,
// Space, Enter through the forms' dialog navigation), hover and pressed looks,
// and a user activation that changes the state before onClick is raised.
class PressableControl : public MouseControl {
public:
    PressableControl(std::wstring name, std::wstring typeName);

    bool SetCaption(const std::wstring& text) override;
    virtual void PaintContent(HDC dc, const RECT& client) const = 0;

protected:
    // The state change of a user click or key, made before onClick.
    virtual void OnUserClick() {}
    // Check boxes and options leave Enter to the dialog navigation.
    bool TakesEnter() const override { return false; }
    void KeyClick() override;

    bool Hot() const noexcept { return hot_; }
    bool ShowsPressed() const noexcept { return Pressed() && hot_; }

    HWND CreatePressable(const wchar_t* className, HWND parent, const RECT& bounds, DWORD style);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CancelPress();
    void TrackLeave();

    bool hot_ = false;
    bool tracking_ = false;
};

class XpButton : public PressableControl {
public:
    explicit XpButton(std::wstring name);
    void PaintContent(HDC dc, const RECT& client) const override;
    std::optional<CaptionBox> CaptionLayout(const RECT& client) const override;

protected:
    bool TakesEnter() const override { return true; }
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
};

// A check box: 0 clear, 1 ticked, 2 greyed. Only a user click or Space raises onClick.
class SevCheck : public PressableControl {
public:
    explicit SevCheck(std::wstring name);

    int Value() const noexcept { return value_; }
    // Values outside 0..2 are clamped; raises no event.
    void SetValue(int value);
    bool Ticked() const noexcept { return value_ == 1; }
    void PaintContent(HDC dc, const RECT& client) const override;
    std::optional<CaptionBox> CaptionLayout(const RECT& client) const override;

protected:
    void OnUserClick() override;
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;

private:
    int value_ = 0;
};

// An option button; the options under one parent window form a group with one selected.
class SevOption : public PressableControl {
public:
    explicit SevOption(std::wstring name);

    bool Value() const noexcept { return value_; }
    // Selecting clears the other options of the group; raises no event.
    void SetValue(bool value);
    void PaintContent(HDC dc, const RECT& client) const override;
    std::optional<CaptionBox> CaptionLayout(const RECT& client) const override;

protected:
    void OnUserClick() override;
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;

private:
    bool value_ = false;
};

// A titled group frame that holds other controls.
class SevFrame : public Control {
public:
    explicit SevFrame(std::wstring name);

    bool SetCaption(const std::wstring& text) override;
    void SetColors(COLORREF back, COLORREF border, COLORREF caption);
    COLORREF BackColor() const noexcept { return back_; }
    void PaintContent(HDC dc, const RECT& client) const;
    std::optional<CaptionBox> CaptionLayout(const RECT& client) const override;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF back_ = RGB(255, 255, 255);
    COLORREF border_ = RGB(0xA5, 0xB8, 0xD0);
    COLORREF captionColor_ = RGB(0x00, 0x46, 0xD5);
};

// A progress bar from 0 to 100.
class SevProgressBar : public Control {
public:
    static constexpr int Min = 0;
    static constexpr int Max = 100;

    explicit SevProgressBar(std::wstring name);

    int Value() const noexcept { return value_; }
    // Clamped to Min..Max.
    void SetValue(int value);
    void PaintContent(HDC dc, const RECT& client) const;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int value_ = 0;
};

} // namespace ui
