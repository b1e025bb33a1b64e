#include "ui/Drawing.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

namespace art {

Image::Image(SIZE size, Painter paint) noexcept : size_(size), paint_(std::move(paint)) {}

HBITMAP Image::Handle() const
{
    if (!bitmap_ && paint_)
        bitmap_.reset(paint_());
    return bitmap_.get();
}

namespace {

float BoxDistance(float qx, float qy, float hw, float hh, float r)
{
    qx = std::abs(qx) - hw + r;
    qy = std::abs(qy) - hh + r;
    return std::hypot(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) - r;
}

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by)
{
    const float ex = bx - ax, ey = by - ay, wx = px - ax, wy = py - ay, length = ex * ex + ey * ey;
    const float t = length > 0 ? std::clamp((wx * ex + wy * ey) / length, 0.f, 1.f) : 0.f;
    return std::hypot(wx - ex * t, wy - ey * t);
}

// Text is drawn four times larger without smoothing and averaged down, so it
// looks the same whatever font smoothing the system uses.
constexpr int kTextScale = 4;

BITMAPINFO DibInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HFONT CreateScaledFont(const Font& font)
{
    for (const wchar_t* face : {L"Arial", L"MS Sans Serif"}) {
        if (HFONT handle = ::CreateFontW(-int(std::lround(font.px * kTextScale)), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                                         FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                         NONANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, face))
            return handle;
    }
    return nullptr;
}

class TextDC {
public:
    explicit TextDC(const Font& font)
        : dc_(::CreateCompatibleDC(nullptr)), font_(CreateScaledFont(font)), selected_(dc_.get(), font_.get())
    {
        ::SetTextCharacterExtra(dc_.get(), int(std::lround(font.spacing * kTextScale)));
    }
    HDC get() const noexcept { return dc_.get(); }

private:
    win::unique_hdc dc_;
    win::unique_hfont font_;
    win::SelectedObject selected_;
};

// Coverage (0..1) of each pixel of a width x height box by the text laid out with DrawText.
std::vector<float> TextCoverage(const std::wstring& text, const Font& font, int width, int height, UINT format)
{
    std::vector<float> cover(std::size_t(std::max(width, 0) * std::max(height, 0)), 0.f);
    if (cover.empty())
        return cover;
    const int sw = width * kTextScale, sh = height * kTextScale;
    TextDC dc(font);
    const BITMAPINFO info = DibInfo(sw, sh);
    void* bits = nullptr;
    win::unique_hbitmap mask(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!mask)
        return cover;
    {
        win::SelectedObject selected(dc.get(), mask.get());
        ::SetTextColor(dc.get(), RGB(255, 255, 255));
        ::SetBkMode(dc.get(), TRANSPARENT);
        RECT r{0, 0, sw, sh};
        ::DrawTextW(dc.get(), text.c_str(), -1, &r, format | DT_NOPREFIX | DT_NOCLIP);
        ::GdiFlush();
    }
    const auto* px = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x)
            cover[std::size_t(y / kTextScale * width + x / kTextScale)] += float(px[y * sw + x] >> 8 & 0xFF);
    for (float& v : cover)
        v /= 255.f * kTextScale * kTextScale;
    return cover;
}

} // namespace

Ink Mix(const Ink& from, const Ink& to, float t)
{
    t = std::clamp(t, 0.f, 1.f);
    const auto lerp = [t](float p, float q) { return p + (q - p) * t; };
    return {{int(std::lround(lerp(float(from.c.r), float(to.c.r)))), int(std::lround(lerp(float(from.c.g), float(to.c.g)))),
             int(std::lround(lerp(float(from.c.b), float(to.c.b))))},
            lerp(from.a, to.a)};
}


Paint Solid(Ink ink)
{
    return [ink](float, float) { return ink; };
}

Paint Linear(Ink from, Ink to, float x0, float y0, float x1, float y1)
{
    const float dx = x1 - x0, dy = y1 - y0, length = dx * dx + dy * dy;
    return [=](float px, float py) { return Mix(from, to, length > 0 ? ((px - x0) * dx + (py - y0) * dy) / length : 0.f); };
}

Paint Vert(Ink top, Ink bottom, float y0, float y1)
{
    return Linear(top, bottom, 0, y0, 0, y1);
}

Paint Horz(Ink left, Ink right, float x0, float x1)
{
    return Linear(left, right, x0, 0, x1, 0);
}

Paint Radial(Ink inner, Ink outer, float cx, float cy, float radius)
{
    return [=](float px, float py) { return Mix(inner, outer, std::hypot(px - cx, py - cy) / radius); };
}


Shape Circle(float cx, float cy, float r)
{
    return [=](float px, float py) { return std::hypot(px - cx, py - cy) - r; };
}

Shape Ellipse(float cx, float cy, float rx, float ry)
{
    // Not exact, but close enough for edges of moderate eccentricity.
    return [=](float px, float py) { return (std::hypot((px - cx) / rx, (py - cy) / ry) - 1) * std::min(rx, ry); };
}

Shape Box(float x0, float y0, float x1, float y1, float r)
{
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hw = (x1 - x0) / 2, hh = (y1 - y0) / 2;
    r = std::min({r, hw, hh});
    return [=](float px, float py) { return BoxDistance(px - cx, py - cy, hw, hh, r); };
}

Shape TurnedBox(float cx, float cy, float halfLength, float halfWidth, float degrees)
{
    const float a = degrees * std::numbers::pi_v<float> / 180, cs = std::cos(a), sn = std::sin(a);
    return [=](float px, float py) {
        const float dx = px - cx, dy = py - cy;
        return BoxDistance(dx * cs + dy * sn, -dx * sn + dy * cs, halfLength, halfWidth, 0);
    };
}

Shape Capsule(float ax, float ay, float bx, float by, float r)
{
    return [=](float px, float py) { return SegmentDistance(px, py, ax, ay, bx, by) - r; };
}

Shape Poly(std::vector<Pt> v)
{
    return [v = std::move(v)](float px, float py) {
        float d = 1e9f;
        bool inside = false;
        for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
            d = std::min(d, SegmentDistance(px, py, v[i].x, v[i].y, v[j].x, v[j].y));
            if ((v[i].y > py) != (v[j].y > py) && px < (v[j].x - v[i].x) * (py - v[i].y) / (v[j].y - v[i].y) + v[i].x)
                inside = !inside;
        }
        return inside ? -d : d;
    };
}

Pt OnCircle(float cx, float cy, float r, float degrees)
{
    const float a = degrees * std::numbers::pi_v<float> / 180;
    return {cx + r * std::cos(a), cy + r * std::sin(a)};
}

Shape Arc(float cx, float cy, float r, float a0, float a1, float w)
{
    const Pt p0 = OnCircle(cx, cy, r, a0), p1 = OnCircle(cx, cy, r, a1);
    return [=](float px, float py) {
        float angle = std::atan2(py - cy, px - cx) * 180 / std::numbers::pi_v<float>;
        angle = std::fmod(angle - a0 + 720, 360.f);
        if (angle <= a1 - a0)
            return std::abs(std::hypot(px - cx, py - cy) - r) - w / 2;
        return std::min(std::hypot(px - p0.x, py - p0.y), std::hypot(px - p1.x, py - p1.y)) - w / 2;
    };
}

Shape Union(std::initializer_list<Shape> parts)
{
    return [v = std::vector<Shape>(parts)](float px, float py) {
        float d = 1e9f;
        for (const Shape& s : v)
            d = std::min(d, s(px, py));
        return d;
    };
}

Shape Minus(Shape a, Shape b)
{
    return [=](float px, float py) { return std::max(a(px, py), -b(px, py)); };
}

Shape Intersect(Shape a, Shape b)
{
    return [=](float px, float py) { return std::max(a(px, py), b(px, py)); };
}

Shape Outline(Shape a, float width)
{
    return [=](float px, float py) { return std::abs(a(px, py)) - width / 2; };
}

Shape Grow(Shape a, float by)
{
    return [=](float px, float py) { return a(px, py) - by; };
}

Shape Move(Shape a, float dx, float dy)
{
    return [=](float px, float py) { return a(px - dx, py - dy); };
}

Shape Scaled(Shape unit, float x, float y, float size)
{
    return [=](float px, float py) { return unit((px - x) / size, (py - y) / size) * size; };
}

Shape Star(float cx, float cy, float outer, float inner)
{
    std::vector<Pt> points;
    for (int i = 0; i < 8; ++i)
        points.push_back(OnCircle(cx, cy, i % 2 ? inner : outer, -90.f + 45.f * float(i)));
    return Poly(std::move(points));
}

SIZE MeasureText(const std::wstring& text, const Font& font, int maxWidth, UINT format)
{
    TextDC dc(font);
    RECT r{0, 0, maxWidth * kTextScale, 0};
    ::DrawTextW(dc.get(), text.c_str(), -1, &r, format | DT_CALCRECT | DT_NOPREFIX);
    return {(r.right + kTextScale - 1) / kTextScale, (r.bottom + kTextScale - 1) / kTextScale};
}


RECT Shifted(RECT r, int dx, int dy)
{
    ::OffsetRect(&r, dx, dy);
    return r;
}

Canvas::Canvas(int width, int height, bool opaque) : w_(width), h_(height)
{
    const BITMAPINFO info = DibInfo(width, height);
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap_) {
        px_ = static_cast<std::uint32_t*>(bits);
        std::fill_n(px_, std::size_t(width) * std::size_t(height), opaque ? 0xFFFFFFFFu : 0u);
    }
}

void Canvas::Blend(int x, int y, const Ink& ink)
{
    if (!px_ || ink.a <= 0.002f || x < 0 || y < 0 || x >= w_ || y >= h_)
        return;
    const float a = std::min(ink.a, 1.f);
    std::uint32_t& p = px_[y * w_ + x];
    const float da = float(p >> 24) / 255.f, oa = a + da * (1 - a);
    const auto channel = [&](int source, int shift) {
        const float target = float(p >> shift & 0xFF);
        return std::uint32_t(std::clamp(std::lround((float(source) * a + target * da * (1 - a)) / oa), 0L, 255L));
    };
    p = std::uint32_t(std::lround(oa * 255)) << 24 | channel(ink.c.r, 16) << 16 | channel(ink.c.g, 8) << 8 |
        channel(ink.c.b, 0);
}

void Canvas::Fill(const Shape& shape, const Paint& paint, float opacity, float soft)
{
    // Distances change at most about a pixel per pixel, so one sample
    // rules out a whole block far from the shape.
    constexpr int kBlock = 8;
    for (int by = 0; by < h_; by += kBlock)
        for (int bx = 0; bx < w_; bx += kBlock) {
            if (shape(float(bx) + kBlock / 2.f, float(by) + kBlock / 2.f) > 8 + soft / 2)
                continue;
            for (int y = by; y < std::min(by + kBlock, h_); ++y)
                for (int x = bx; x < std::min(bx + kBlock, w_); ++x) {
                    const float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
                    const float cover = std::clamp(0.5f - shape(fx, fy) / soft, 0.f, 1.f);
                    if (cover <= 0)
                        continue;
                    Ink ink = paint(fx, fy);
                    ink.a *= cover * opacity;
                    Blend(x, y, ink);
                }
        }
}

void Canvas::Text(const std::wstring& text, const Font& font, const RECT& box, UINT format, const Paint& paint,
                  float opacity)
{
    const int bw = box.right - box.left, bh = box.bottom - box.top;
    const std::vector<float> cover = TextCoverage(text, font, bw, bh, format);
    for (int y = 0; y < bh; ++y)
        for (int x = 0; x < bw; ++x) {
            const float c = cover[std::size_t(y * bw + x)];
            if (c <= 0)
                continue;
            const int px = box.left + x, py = box.top + y;
            Ink ink = paint(float(px) + 0.5f, float(py) + 0.5f);
            ink.a *= c * opacity;
            Blend(px, py, ink);
        }
}

win::unique_hbitmap Canvas::Take()
{
    ::GdiFlush();
    px_ = nullptr;
    return std::move(bitmap_);
}

Picture Drawn(SIZE size, std::function<void(Canvas&)> draw)
{
    return std::make_shared<const Image>(size, [size, draw = std::move(draw)] {
        Canvas c(size.cx, size.cy, true);
        draw(c);
        return c.Take().release();
    });
}

void Emblem(Canvas& c, float cx, float cy, float r, bool fine)
{
    c.Fill(Circle(cx, cy, r), Vert(Hex(0xF7FAFD), Hex(0x8AA6C4), cy - r, cy + r));
    c.Fill(Outline(Circle(cx, cy, r - 0.5f), 1), Solid(Hex(0x41699A)), 0.75f);
    const float f = r * 0.82f;
    const Shape face = Circle(cx, cy, f);
    c.Fill(face, Radial(Hex(0x4A92EA), kNavy, cx, cy - f * 0.45f, f * 1.45f));
    c.Fill(Outline(face, std::max(1.f, r * 0.035f)), Solid(Hex(0x082150)), 0.8f);
    if (fine) {
        for (int i = 0; i <= 12; ++i) {
            const float a = 135.f + 22.5f * float(i);
            const bool major = i % 3 == 0;
            const Pt p0 = OnCircle(cx, cy, f * (major ? 0.66f : 0.72f), a), p1 = OnCircle(cx, cy, f * 0.82f, a);
            c.Fill(Capsule(p0.x, p0.y, p1.x, p1.y, std::max(0.5f, f * (major ? 0.03f : 0.018f))), Solid(kWhite),
                   major ? 0.95f : 0.6f);
        }
    }
    const float arcR = f * (fine ? 0.54f : 0.6f), arcW = f * (fine ? 0.08f : 0.16f);
    c.Fill(Arc(cx, cy, arcR, 325, 405, arcW), Solid(kWhite), 0.22f);
    c.Fill(Arc(cx, cy, arcR, 135, 325, arcW), Linear(Hex(0x3FA0FF), Hex(0xA8E0FF), cx - f, cy + f, cx + f, cy - f));
    // Needle with a soft glow.
    const Pt tip = OnCircle(cx, cy, f * 0.8f, 320), tail = OnCircle(cx, cy, f * 0.2f, 140);
    const Pt side0 = OnCircle(cx, cy, f * 0.075f, 50), side1 = OnCircle(cx, cy, f * 0.075f, 230);
    const Shape needle = Poly({tip, side0, tail, side1});
    c.Fill(Grow(needle, f * 0.05f), Solid(kSky), 0.45f, std::max(1.f, f * 0.12f));
    c.Fill(needle, Solid(kWhite));
    c.Fill(Circle(cx, cy, f * 0.14f), Vert(kWhite, Hex(0xA9BFD8), cy - f * 0.14f, cy + f * 0.14f));
    if (fine)
        c.Fill(Circle(cx, cy, f * 0.055f), Solid(kDeep));
    // Gloss over the upper half of the face.
    c.Fill(Intersect(Grow(face, -1), Ellipse(cx, cy - f * 0.55f, f * 0.82f, f * 0.52f)),
           Vert(Ink(kWhite, 0.42f), Ink(kWhite, 0.03f), cy - f, cy - f * 0.05f));
}

void Wordmark(Canvas& c, const RECT& box, float px, UINT format, bool onDark)
{
    const Font font{px, true, -px * 0.02f};
    const float top = float(box.top), bottom = float(box.bottom);
    if (onDark) {
        c.Text(L"Brevantor", font, Shifted(box, 0, 1), format, Solid(Hex(0x061A3D)), 0.6f);
        c.Text(L"Brevantor", font, box, format, Vert(kWhite, Hex(0xCFE0F4), top, bottom));
    } else {
        c.Text(L"Brevantor", font, box, format, Vert(Hex(0x2C6CC8), kNavy, top + px * 0.25f, bottom - px * 0.25f));
    }
}

HICON ToIcon(Canvas& c, bool icon, DWORD hotX, DWORD hotY)
{
    // The AND mask serves systems that ignore the alpha channel.
    const int w = c.Width(), h = c.Height(), stride = (w + 15) / 16 * 2;
    std::vector<BYTE> bits(std::size_t(stride * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((c.Pixel(x, y) >> 24) < 128)
                bits[std::size_t(y * stride + x / 8)] |= BYTE(0x80 >> (x % 8));
    win::unique_hbitmap mask(::CreateBitmap(w, h, 1, 1, bits.data()));
    win::unique_hbitmap colour = c.Take();
    ICONINFO info{icon, hotX, hotY, mask.get(), colour.get()};
    return ::CreateIconIndirect(&info);
}

HICON EmblemIcon(int sizePixels, void (*over)(Canvas&, float size))
{
    static std::map<std::pair<int, void (*)(Canvas&, float)>, win::unique_hicon> icons;
    const int size = std::clamp(sizePixels, 16, 256);
    win::unique_hicon& slot = icons[{size, over}];
    if (!slot) {
        Canvas c(size, size, false);
        const float s = float(size);
        Emblem(c, s / 2, s / 2, s / 2 - 0.25f, size >= 48);
        if (over)
            over(c, s);
        slot.reset(ToIcon(c, true, 0, 0));
    }
    return slot.get();
}

} // namespace art
