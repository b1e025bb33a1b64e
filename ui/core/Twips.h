#pragma once
// Form geometry is kept in twips: 1440 to the inch, 15 to a pixel at 96 dots per inch.

namespace twips {

inline constexpr int PerInch = 1440;

constexpr int ToPixels(int value, int dotsPerInch)
{
    // Round half away from zero, so that design sizes like 195 twips stay 13 pixels.
    const long long scaled = static_cast<long long>(value) * dotsPerInch;
    return static_cast<int>(scaled >= 0 ? (scaled + PerInch / 2) / PerInch : -((-scaled + PerInch / 2) / PerInch));
}

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

} // namespace twips
