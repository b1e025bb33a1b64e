#pragma once
// The smooth gradient progress bar: one continuous fill whose colour runs from
// a start colour at the left end to an end colour at the right end of the bar.
#include "ui/Controls.h"

#include <cstdint>

namespace ui {

class MBProgressBar : public Control {
public:
    explicit MBProgressBar(std::wstring name);

    std::int64_t Min() const noexcept { return min_; }
    std::int64_t Max() const noexcept { return max_; }
    std::int64_t Value() const noexcept { return value_; }
    // The value is brought into the new range.
    void SetMin(std::int64_t minimum);
    void SetMax(std::int64_t maximum);
    // False, and nothing changes, for a value outside the range.
    bool SetValue(std::int64_t value);
    void SetColors(COLORREF start, COLORREF end);
    void PaintContent(HDC dc, const RECT& client) const;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::int64_t min_ = 0;
    std::int64_t max_ = 100;
    std::int64_t value_ = 0;
    COLORREF start_ = RGB(0, 0, 128);
    COLORREF end_ = RGB(0, 0, 128);
};

} // namespace ui
