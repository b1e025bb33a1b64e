#pragma once
// The drawing kit behind every picture of both programs: shapes given by their
// signed distance, so edges are smooth whatever the system's antialiasing,
// paints, text, and a canvas that turns them into a bitmap. Pictures are drawn
// in code at first use, so the programs carry no image files.
#include <windows.h>

#include "ui/win/Handles.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace art {

// A bitmap shared by the controls that show it. It is drawn when it is first
// needed on screen, so that pages that are loaded but never shown draw nothing.
class Image {
public:
    using Painter = std::function<HBITMAP()>;
    Image(SIZE size, Painter paint) noexcept;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    HBITMAP Handle() const;
    SIZE Size() const noexcept { return size_; }

private:
    SIZE size_;
    Painter paint_;
    mutable win::unique_hbitmap bitmap_;
};

using Picture = std::shared_ptr<const Image>;

// ---------------------------------------------------------------- colours

struct Rgb {
    int r, g, b;
};

constexpr Rgb Hex(std::uint32_t v)
{
    return {int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)};
}

// Navy of the section labels, the frames' steel border and caption blue set the palette.
inline constexpr Rgb kWhite = Hex(0xFFFFFF);
inline constexpr Rgb kNavy = Hex(0x0A2A5C);
inline constexpr Rgb kDeep = Hex(0x143F7C);
inline constexpr Rgb kRoyal = Hex(0x0046D5);
inline constexpr Rgb kSteel = Hex(0x4A78A8);
inline constexpr Rgb kFrame = Hex(0x7F9DB9);
inline constexpr Rgb kMist = Hex(0xC6D5E4);
inline constexpr Rgb kIce = Hex(0xEAF1F8);
inline constexpr Rgb kSky = Hex(0x7CC4FF);

// A colour with opacity.
struct Ink {
    constexpr Ink(Rgb colour, float alpha = 1.f) : c(colour), a(alpha) {}
    Rgb c;
    float a;
};

Ink Mix(const Ink& from, const Ink& to, float t);

// Colour as a function of the pixel position.
using Paint = std::function<Ink(float, float)>;

Paint Solid(Ink ink);
Paint Linear(Ink from, Ink to, float x0, float y0, float x1, float y1);
Paint Vert(Ink top, Ink bottom, float y0, float y1);
Paint Horz(Ink left, Ink right, float x0, float x1);
Paint Radial(Ink inner, Ink outer, float cx, float cy, float radius);

// ---------------------------------------------------------------- shapes

// Signed distance in pixels to the outline, negative inside.
using Shape = std::function<float(float, float)>;

struct Pt {
    float x, y;
};

Shape Circle(float cx, float cy, float r);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Box(float x0, float y0, float x1, float y1, float r = 0);
// A box centred at (cx, cy) whose length runs along the angle (degrees).
Shape TurnedBox(float cx, float cy, float halfLength, float halfWidth, float degrees);
Shape Capsule(float ax, float ay, float bx, float by, float r);
Shape Poly(std::vector<Pt> v);
Pt OnCircle(float cx, float cy, float r, float degrees);
// A stroke of width w along the circle from angle a0 to a1 (degrees, clockwise on screen).
Shape Arc(float cx, float cy, float r, float a0, float a1, float w);
Shape Union(std::initializer_list<Shape> parts);
Shape Minus(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Outline(Shape a, float width);
Shape Grow(Shape a, float by);
Shape Move(Shape a, float dx, float dy);
// Places a shape drawn in the unit square into the square (x, y, size).
Shape Scaled(Shape unit, float x, float y, float size);
Shape Star(float cx, float cy, float outer, float inner);

// ---------------------------------------------------------------- canvas and text

struct Font {
    float px;
    bool bold = true;
    float spacing = 0;  // extra pixels between letters
};

SIZE MeasureText(const std::wstring& text, const Font& font, int maxWidth, UINT format);
RECT Shifted(RECT r, int dx, int dy);

// A 32-bit top-down DIB section drawn pixel by pixel with straight alpha.
class Canvas {
public:
    Canvas(int width, int height, bool opaque);

    float W() const noexcept { return float(w_); }
    float H() const noexcept { return float(h_); }
    int Width() const noexcept { return w_; }
    int Height() const noexcept { return h_; }
    std::uint32_t Pixel(int x, int y) const noexcept { return px_ ? px_[y * w_ + x] : 0; }

    void Blend(int x, int y, const Ink& ink);
    // soft > 1 widens the edge into a feather, for shadows and glows.
    void Fill(const Shape& shape, const Paint& paint, float opacity = 1, float soft = 1);
    void Text(const std::wstring& text, const Font& font, const RECT& box, UINT format, const Paint& paint,
              float opacity = 1);
    win::unique_hbitmap Take();

private:
    int w_, h_;
    win::unique_hbitmap bitmap_;
    std::uint32_t* px_ = nullptr;
};

// A picture of the given size that `draw` paints on a white canvas at first use.
Picture Drawn(SIZE size, std::function<void(Canvas&)> draw);

// ---------------------------------------------------------------- what both programs show

// The product emblem: a glossy gauge whose needle stands near the top of its scale.
void Emblem(Canvas& c, float cx, float cy, float r, bool fine);
// The product name in its lettering.
void Wordmark(Canvas& c, const RECT& box, float px, UINT format, bool onDark);

// An icon or cursor of the canvas; its transparent pixels stay transparent.
HICON ToIcon(Canvas& c, bool icon, DWORD hotX, DWORD hotY);
// The emblem as an icon, with what `over` draws on it (null: nothing); cached per
// size and drawing, owned by this module: callers never destroy it.
HICON EmblemIcon(int sizePixels, void (*over)(Canvas&, float size) = nullptr);
// The window icon of both programs.
inline HICON ProgramIcon(int sizePixels)
{
    return EmblemIcon(sizePixels);
}

} // namespace art
