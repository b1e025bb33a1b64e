#include "shell/Artwork.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace art {

namespace {

// The anti-spy shield in the unit square.
Shape ShieldShape()
{
    return Grow(Poly({{0.5f, 0.15f}, {0.79f, 0.26f}, {0.775f, 0.5f}, {0.7f, 0.665f}, {0.5f, 0.83f}, {0.3f, 0.665f},
                      {0.225f, 0.5f}, {0.21f, 0.26f}}),
                0.015f);
}

// An almond eye shape centred at (cx, cy) in unit space.
Shape EyeShape(float cx, float cy, float halfWidth, float halfHeight)
{
    const float radius = (halfWidth * halfWidth + halfHeight * halfHeight) / (2 * halfHeight), offset = radius - halfHeight;
    return Intersect(Circle(cx, cy + offset, radius), Circle(cx, cy - offset, radius));
}

void GlossyShield(Canvas& c, float x, float y, float size)
{
    const Shape shield = Scaled(ShieldShape(), x, y, size);
    c.Fill(Move(Grow(shield, size * 0.03f), 0, size * 0.02f), Solid(kNavy), 0.25f, size * 0.04f);
    c.Fill(Grow(shield, size * 0.03f), Vert(Hex(0xF7FAFD), Hex(0x8AA6C4), y + size * 0.12f, y + size * 0.86f));
    c.Fill(Outline(Grow(shield, size * 0.03f - 0.5f), 1), Solid(Hex(0x41699A)), 0.75f);
    c.Fill(shield, Radial(Hex(0x4A92EA), kNavy, x + size * 0.5f, y + size * 0.25f, size * 0.65f));
    c.Fill(Intersect(Grow(shield, -1), Ellipse(x + size * 0.5f, y + size * 0.2f, size * 0.42f, size * 0.26f)),
           Vert(Ink(kWhite, 0.4f), Ink(kWhite, 0.03f), y + size * 0.12f, y + size * 0.46f));
    const Shape eye = Scaled(EyeShape(0.5f, 0.5f, 0.2f, 0.1f), x, y, size);
    c.Fill(eye, Vert(kWhite, Hex(0xD5E4F5), y + size * 0.4f, y + size * 0.6f));
    c.Fill(Intersect(eye, Circle(x + size * 0.5f, y + size * 0.5f, size * 0.085f)),
           Radial(kSky, kRoyal, x + size * 0.5f, y + size * 0.46f, size * 0.1f));
    c.Fill(Circle(x + size * 0.5f, y + size * 0.5f, size * 0.036f), Solid(kNavy));
    c.Fill(Circle(x + size * 0.475f, y + size * 0.475f, size * 0.018f), Solid(kWhite), 0.9f);
}

// The title strip's look; canvas pixel (x, y) shows strip pixel (x + ox, y + oy),
// so the buttons match the strip they sit on.
void TitleBack(Canvas& c, float ox, float oy)
{
    const Shape all = Box(-1, -1, c.W() + 1, c.H() + 1);
    c.Fill(Intersect(all, Box(-ox, -oy, 700, 15 - oy)), Vert(Hex(0x4F84C8), Hex(0x2D62A8), -oy, 15 - oy));
    c.Fill(Intersect(all, Box(-ox, 15 - oy, 700, 31 - oy)), Vert(Hex(0x1D4F96), Hex(0x123C7A), 15 - oy, 31 - oy));
    c.Fill(Intersect(all, Box(-ox, -oy, 700, 1 - oy)), Solid(Hex(0x8DB5E6)));
    c.Fill(Intersect(all, Box(-ox, 30 - oy, 700, 31 - oy)), Solid(kNavy));
    // The caption buttons' end is darker.
    c.Fill(Intersect(all, Box(520 - ox, -oy, 700, 30 - oy)), Horz(Ink(kNavy, 0), Ink(kNavy, 0.62f), 520 - ox, 584 - ox));
}

// The light band under the title strip, in window coordinates: the left panel
// starts at (0, 31), the banner at (192, 31), so the two meet without a seam.
void HeaderBand(Canvas& c, float ox, float oy)
{
    const auto edge = [](float x) {
        const float t = std::clamp(x / 225.f, 0.f, 1.f);
        return 77.f + 56.f * (1 - t * t * (3 - 2 * t)) + 2.5f * std::sin(x * 0.035f);
    };
    const auto fade = [](float x) {
        const float t = std::clamp((x - 300.f) / 119.f, 0.f, 1.f);
        return 1 - t * t * (3 - 2 * t);
    };
    const Shape band = [=](float px, float py) {
        const float x = px + ox, y = py + oy;
        const float slope = (edge(x + 0.5f) - edge(x - 0.5f));
        return (y - edge(x)) / std::sqrt(1 + slope * slope);
    };
    const Paint sky = [=](float px, float py) {
        const float x = px + ox, y = py + oy;
        Ink ink = Mix(Hex(0xB3CDEA), kIce, (y - 31) / (edge(x) - 31));
        ink.a *= fade(x);
        return ink;
    };
    c.Fill(band, sky);
    // Faint ripples spreading from behind the title strip.
    for (float r = 70; r < 260; r += 16)
        c.Fill(Intersect(Outline(Circle(250 - ox, -40 - oy, r), 1), band), Solid(kWhite), 0.4f * fade(250 + r * 0.5f));
    const Paint line = [=](float px, float) { return Ink(kFrame, 0.85f * fade(px + ox)); };
    c.Fill(Outline(band, 1.2f), line);
    c.Fill(Outline(Grow(band, 2), 1), [=](float px, float) { return Ink(kWhite, 0.8f * fade(px + ox)); });
}

// ---------------------------------------------------------------- menu tiles

enum class Glyph {
    Disk, Layers, Memory, Monitor, Chip, Power, Palette, Gear, Shield, Key,
    Split, Shred, Lens, Clock, Disc, HiddenWindow, Wrench, Refresh, Question, Globe,
};

// Each glyph in the unit square, drawn white on a blue badge.
Shape GlyphShape(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Disk:
        return Union({Minus(Box(0.18f, 0.5f, 0.82f, 0.76f, 0.07f),
                            Union({Circle(0.71f, 0.63f, 0.045f), Box(0.27f, 0.605f, 0.56f, 0.655f, 0.02f)})),
                      Star(0.4f, 0.3f, 0.17f, 0.045f), Star(0.68f, 0.22f, 0.09f, 0.025f)});
    case Glyph::Layers: {
        const auto chevron = [](float y) {
            return Union({Capsule(0.2f, y, 0.5f, y + 0.15f, 0.045f), Capsule(0.5f, y + 0.15f, 0.8f, y, 0.045f)});
        };
        return Union({Poly({{0.5f, 0.2f}, {0.82f, 0.36f}, {0.5f, 0.52f}, {0.18f, 0.36f}}), chevron(0.5f), chevron(0.64f)});
    }
    case Glyph::Memory: {
        Shape pins = Box(0.16f, 0.64f, 0.2f, 0.74f);
        for (int i = 1; i < 8; ++i)
            if (i != 4)
                pins = Union({pins, Box(0.16f + 0.09f * float(i), 0.64f, 0.2f + 0.09f * float(i), 0.74f)});
        return Union({Minus(Box(0.1f, 0.32f, 0.9f, 0.62f, 0.03f),
                            Union({Box(0.18f, 0.39f, 0.33f, 0.55f), Box(0.425f, 0.39f, 0.575f, 0.55f),
                                   Box(0.67f, 0.39f, 0.82f, 0.55f)})),
                      pins});
    }
    case Glyph::Monitor:
        return Union({Minus(Box(0.14f, 0.2f, 0.86f, 0.66f, 0.05f), Box(0.21f, 0.27f, 0.79f, 0.59f, 0.01f)),
                      Box(0.44f, 0.66f, 0.56f, 0.76f), Box(0.3f, 0.76f, 0.7f, 0.82f, 0.03f),
                      Capsule(0.29f, 0.52f, 0.42f, 0.4f, 0.03f), Capsule(0.42f, 0.4f, 0.53f, 0.47f, 0.03f),
                      Capsule(0.53f, 0.47f, 0.7f, 0.34f, 0.03f)});
    case Glyph::Chip: {
        Shape shape = Union({Minus(Box(0.27f, 0.27f, 0.73f, 0.73f, 0.05f), Box(0.34f, 0.34f, 0.66f, 0.66f, 0.02f)),
                             Box(0.41f, 0.41f, 0.59f, 0.59f, 0.02f)});
        for (int i = 0; i < 3; ++i) {
            const float p = 0.33f + 0.13f * float(i);
            shape = Union({shape, Box(p, 0.14f, p + 0.06f, 0.27f), Box(p, 0.73f, p + 0.06f, 0.86f),
                           Box(0.14f, p, 0.27f, p + 0.06f), Box(0.73f, p, 0.86f, p + 0.06f)});
        }
        return shape;
    }
    case Glyph::Power:
        return Union({Arc(0.5f, 0.54f, 0.25f, 305, 595, 0.09f), Capsule(0.5f, 0.2f, 0.5f, 0.5f, 0.05f)});
    case Glyph::Palette:
        return Minus(Ellipse(0.5f, 0.5f, 0.35f, 0.29f),
                     Union({Circle(0.33f, 0.44f, 0.055f), Circle(0.46f, 0.34f, 0.055f), Circle(0.62f, 0.35f, 0.055f),
                            Circle(0.71f, 0.49f, 0.055f), Circle(0.44f, 0.71f, 0.085f)}));
    case Glyph::Gear: {
        Shape shape = Circle(0.5f, 0.5f, 0.23f);
        for (int i = 0; i < 8; ++i) {
            const Pt p = OnCircle(0.5f, 0.5f, 0.27f, 22.5f + 45.f * float(i));
            shape = Union({shape, TurnedBox(p.x, p.y, 0.075f, 0.065f, 22.5f + 45.f * float(i))});
        }
        return Minus(shape, Circle(0.5f, 0.5f, 0.095f));
    }
    case Glyph::Shield:
        return Union({Minus(ShieldShape(), Grow(EyeShape(0.5f, 0.47f, 0.16f, 0.08f), 0.02f)), Circle(0.5f, 0.47f, 0.045f)});
    case Glyph::Key:
        return Union({Minus(Circle(0.29f, 0.5f, 0.17f), Circle(0.29f, 0.5f, 0.07f)), Box(0.42f, 0.455f, 0.86f, 0.545f, 0.015f),
                      Box(0.66f, 0.54f, 0.72f, 0.66f), Box(0.77f, 0.54f, 0.83f, 0.7f)});
    case Glyph::Split:
        return Union({Poly({{0.1f, 0.5f}, {0.29f, 0.32f}, {0.29f, 0.68f}}), Box(0.27f, 0.45f, 0.41f, 0.55f),
                      Poly({{0.9f, 0.5f}, {0.71f, 0.32f}, {0.71f, 0.68f}}), Box(0.59f, 0.45f, 0.73f, 0.55f),
                      Box(0.475f, 0.16f, 0.525f, 0.3f), Box(0.475f, 0.43f, 0.525f, 0.57f), Box(0.475f, 0.7f, 0.525f, 0.84f)});
    case Glyph::Shred: {
        Shape shape = Union({Minus(Box(0.3f, 0.13f, 0.7f, 0.42f, 0.02f),
                                   Union({Box(0.36f, 0.21f, 0.64f, 0.25f), Box(0.36f, 0.29f, 0.58f, 0.33f)})),
                             Box(0.15f, 0.42f, 0.85f, 0.56f, 0.04f)});
        for (int i = 0; i < 5; ++i) {
            const float x = 0.29f + 0.085f * float(i);
            shape = Union({shape, Box(x, 0.59f, x + 0.05f, 0.76f + 0.06f * float(i % 2))});
        }
        return shape;
    }
    case Glyph::Lens:
        return Union({Minus(Circle(0.43f, 0.43f, 0.24f), Circle(0.43f, 0.43f, 0.155f)), Capsule(0.6f, 0.6f, 0.8f, 0.8f, 0.07f),
                      Arc(0.43f, 0.43f, 0.1f, 195, 265, 0.04f)});
    case Glyph::Clock: {
        Shape shape = Union({Minus(Circle(0.5f, 0.5f, 0.31f), Circle(0.5f, 0.5f, 0.24f)),
                             Capsule(0.5f, 0.5f, 0.5f, 0.32f, 0.035f), Capsule(0.5f, 0.5f, 0.63f, 0.57f, 0.035f),
                             Circle(0.5f, 0.5f, 0.05f)});
        for (int i = 0; i < 4; ++i) {
            const Pt p = OnCircle(0.5f, 0.5f, 0.19f, 90.f * float(i));
            shape = Union({shape, Circle(p.x, p.y, 0.025f)});
        }
        return shape;
    }
    case Glyph::Disc:
        return Minus(Circle(0.5f, 0.5f, 0.31f), Union({Circle(0.5f, 0.5f, 0.07f), Outline(Circle(0.5f, 0.5f, 0.15f), 0.03f),
                                                        Arc(0.5f, 0.5f, 0.235f, 200, 250, 0.035f)}));
    case Glyph::HiddenWindow:
        return Union({Minus(Minus(Box(0.14f, 0.22f, 0.86f, 0.78f, 0.04f), Box(0.2f, 0.34f, 0.8f, 0.72f)),
                            Capsule(0.18f, 0.84f, 0.82f, 0.16f, 0.085f)),
                      Capsule(0.18f, 0.84f, 0.82f, 0.16f, 0.04f)});
    case Glyph::Wrench:
        return Minus(Union({Minus(Circle(0.63f, 0.37f, 0.19f), Circle(0.74f, 0.26f, 0.1f)),
                            Capsule(0.26f, 0.74f, 0.58f, 0.42f, 0.075f)}),
                     Circle(0.28f, 0.72f, 0.03f));
    case Glyph::Refresh: {
        const auto head = [](float degrees) {
            const Pt base = OnCircle(0.5f, 0.5f, 0.25f, degrees), out = OnCircle(0, 0, 0.13f, degrees),
                     ahead = OnCircle(0, 0, 0.15f, degrees + 90);
            return Poly({{base.x + out.x, base.y + out.y}, {base.x - out.x, base.y - out.y},
                         {base.x + ahead.x, base.y + ahead.y}});
        };
        return Union({Arc(0.5f, 0.5f, 0.25f, 20, 150, 0.09f), Arc(0.5f, 0.5f, 0.25f, 200, 330, 0.09f), head(150), head(330)});
    }
    case Glyph::Question:
        return Union({Arc(0.5f, 0.36f, 0.15f, 195, 450, 0.1f), Capsule(0.5f, 0.51f, 0.5f, 0.59f, 0.05f),
                      Circle(0.5f, 0.74f, 0.065f)});
    case Glyph::Globe:
        return Union({Outline(Circle(0.5f, 0.5f, 0.3f), 0.065f), Outline(Ellipse(0.5f, 0.5f, 0.13f, 0.3f), 0.05f),
                      Box(0.2f, 0.475f, 0.8f, 0.525f), Box(0.475f, 0.2f, 0.525f, 0.8f),
                      Intersect(Union({Box(0.2f, 0.33f, 0.8f, 0.37f), Box(0.2f, 0.63f, 0.8f, 0.67f)}),
                                Circle(0.5f, 0.5f, 0.3f))});
    }
    return Circle(0.5f, 0.5f, 0.2f);
}

// A glossy blue rounded square with a white glyph.
void Badge(Canvas& c, Glyph glyph, float x, float y, float s)
{
    const Shape body = Box(x, y, x + s, y + s, s * 0.24f);
    c.Fill(Move(body, 0, 1), Solid(kNavy), 0.2f, 2);
    c.Fill(body, Vert(Hex(0x4F93E3), Hex(0x0F3F8C), y, y + s));
    c.Fill(Intersect(Grow(body, -1), Ellipse(x + s * 0.5f, y + s * 0.05f, s * 0.75f, s * 0.45f)),
           Vert(Ink(kWhite, 0.45f), Ink(kWhite, 0.08f), y, y + s * 0.5f));
    c.Fill(Outline(Grow(body, -0.5f), 1), Solid(Hex(0x0B2F6B)), 0.85f);
    const Shape shape = Scaled(GlyphShape(glyph), x, y, s);
    c.Fill(Move(shape, 0, 1), Solid(Hex(0x061C40)), 0.45f);
    c.Fill(shape, Vert(kWhite, Hex(0xD5E5F7), y + s * 0.2f, y + s * 0.8f));
}

struct Entry;
using Draw = void (*)(Canvas&, const Entry&);

struct Entry {
    ImageId id;
    int width, height;
    Draw draw;
    Glyph glyph = Glyph::Disk;
    const wchar_t* caption = nullptr;
};

// A menu picture: a light card with the badge beside or above its caption,
// whichever leaves the badge larger.
void Tile(Canvas& c, const Entry& e)
{
    const float w = c.W(), h = c.H();
    const Shape card = Box(0.5f, 0.5f, w - 1.5f, h - 1.5f, 5);
    c.Fill(Move(card, 1, 1), Solid(kSteel), 0.22f, 1.5f);
    c.Fill(card, Vert(kWhite, Hex(0xE2ECF6), 0, h));
    c.Fill(Outline(Grow(card, -1), 1), Solid(kWhite), 0.8f);
    c.Fill(Outline(card, 1), Solid(Hex(0x9FB6CE)));

    const Font font{11};
    const std::wstring caption = e.caption;
    int longest = 0;
    for (std::size_t start = 0; start <= caption.size();) {
        const std::size_t end = std::min(caption.find(L' ', start), caption.size());
        longest = std::max(longest, int(MeasureText(caption.substr(start, end - start), font, 0, DT_SINGLELINE).cx));
        start = end + 1;
    }
    const int line = int(MeasureText(caption, font, 0, DT_SINGLELINE).cx);
    const float beside = std::floor(std::min({h - 16, 40.f, w - 19 - float(longest)}));
    const float above = std::floor(std::min({h - 23, w - 16, 44.f}));
    const Paint ink = Solid(kNavy);
    if (above > beside && float(line) <= w - 6) {
        Badge(c, e.glyph, std::round((w - 1 - above) / 2), 4, above);
        const RECT box{2, LONG(4 + above + 1), LONG(w) - 3, LONG(h) - 2};
        c.Text(caption, font, box, DT_CENTER | DT_SINGLELINE | DT_VCENTER, ink);
    } else {
        Badge(c, e.glyph, 7, std::round((h - 1 - beside) / 2), beside);
        const int left = int(7 + beside + 6), width = int(w) - left - 5;
        const SIZE block = MeasureText(caption, font, width, DT_WORDBREAK);
        const int top = (int(h) - 1 - block.cy) / 2;
        c.Text(caption, font, {left, top, left + width, top + block.cy + 1}, DT_WORDBREAK | DT_LEFT, ink);
    }
}

// ---------------------------------------------------------------- main window

void DrawTitleStrip(Canvas& c, const Entry&)
{
    TitleBack(c, 0, 0);
    Emblem(c, 16, 15.5f, 10, false);
    Wordmark(c, {32, 0, 140, 30}, 16, DT_LEFT | DT_SINGLELINE | DT_VCENTER, true);
    const int after = 32 + int(MeasureText(L"Brevantor", {16, true, -0.32f}, 0, DT_SINGLELINE).cx) + 8;
    c.Fill(Box(float(after) - 4, 10, float(after) - 3, 21), Solid(Hex(0xA9C6E8)), 0.6f);
    c.Text(L"System tuning for Windows", {11, false, 0.2f}, {after + 2, 1, after + 202, 31},
           DT_LEFT | DT_SINGLELINE | DT_VCENTER, Solid(Hex(0xC2D7F0)));
}

void DrawCaptionButton(Canvas& c, bool close, bool down)
{
    const float w = c.W(), h = c.H();
    TitleBack(c, close ? 600.f : 584.f, 8);
    const Shape body = Box(0, 0, w, h, 3);
    c.Fill(body, down ? Vert(Hex(0x163A70), Hex(0x2B5894), 0, h) : Vert(Hex(0x86B0E4), Hex(0x2A5EA6), 0, h));
    if (down)
        c.Fill(Box(1, 1, w - 1, 3, 1), Solid(Hex(0x061A3D)), 0.35f);
    else
        c.Fill(Box(1.5f, 1, w - 1.5f, h / 2, 2), Vert(Ink(kWhite, 0.5f), Ink(kWhite, 0.1f), 1, h / 2));
    c.Fill(Outline(Box(0.5f, 0.5f, w - 0.5f, h - 0.5f, 2.5f), 1), Solid(Hex(0x0A2552)));
    const float d = down ? 1.f : 0.f;
    const Shape glyph = close ? Union({Capsule(4 + d, 4 + d, w - 4 + d, h - 4 + d, 1.05f),
                                       Capsule(w - 4 + d, 4 + d, 4 + d, h - 4 + d, 1.05f)})
                              : Box(3.5f + d, 8 + d, w - 3.5f + d, 10 + d);
    c.Fill(Move(glyph, 0, 1), Solid(Hex(0x061A3D)), 0.5f);
    c.Fill(glyph, Solid(down ? Hex(0xD8E6F6) : kWhite));
}

void DrawSmallMakerLogo(Canvas& c, const Entry&)
{
    // Sits on the white window beside the banner: a monogram and the maker's name.
    const Shape badge = Box(3, 5, 24, 26, 5);
    c.Fill(Move(badge, 0, 1), Solid(kNavy), 0.2f, 2);
    c.Fill(badge, Vert(Hex(0x4F93E3), Hex(0x0F3F8C), 5, 26));
    c.Fill(Intersect(Grow(badge, -1), Ellipse(13.5f, 5, 14, 9)), Vert(Ink(kWhite, 0.45f), Ink(kWhite, 0.08f), 5, 15));
    c.Fill(Outline(Grow(badge, -0.5f), 1), Solid(Hex(0x0B2F6B)), 0.85f);
    const Shape q = Union({Outline(Circle(13.5f, 15, 5.2f), 2.1f), Capsule(15.5f, 17.5f, 19.2f, 21.2f, 1.1f)});
    c.Fill(q, Solid(kWhite));
    const Font bold{12, true}, plain{12, false};
    const int split = 30 + int(MeasureText(L"Qor", bold, 0, DT_SINGLELINE).cx);
    c.Text(L"Qor", bold, {30, 0, 116, 31}, DT_LEFT | DT_SINGLELINE | DT_VCENTER, Solid(kNavy));
    c.Text(L"-Software", plain, {split, 0, 116, 31}, DT_LEFT | DT_SINGLELINE | DT_VCENTER, Solid(kSteel));
}

void DrawLeftPanel(Canvas& c, const Entry&)
{
    HeaderBand(c, 0, 31);
    // The window's left border continues the edge pieces below the panel.
    c.Fill(Box(0, 0, 1, c.H()), Solid(kFrame));
    c.Fill(Box(1, 0, 2, c.H()), Solid(kMist));
}

void DrawBanner(Canvas& c, const Entry&)
{
    HeaderBand(c, 192, 31);
}

void DrawBottomStrip(Canvas& c, const Entry&)
{
    const float w = c.W(), h = c.H();
    c.Fill(Box(0, 0, w, h), Vert(Hex(0xF6F9FC), Hex(0xD9E4F0), 1, h));
    c.Fill(Box(0, 1, w, h), Horz(Ink(kSteel, 0.45f), Ink(kSteel, 0), 0, 320));
    c.Fill(Box(0, 0, w, 1), Solid(kFrame));
    c.Fill(Box(0, 1, w, 2), Solid(kWhite), 0.7f);
}

void DrawEdge(Canvas& c, const Entry& e)
{
    // Outer line in the frame colour, inner line lighter.
    const float w = c.W(), h = c.H();
    const Shape outer = e.id == ImageId::EdgeLeft ? Box(0, 0, 1, h) : e.id == ImageId::EdgeRight ? Box(1, 0, 2, h) : Box(0, 1, w, 2);
    c.Fill(Box(0, 0, w, h), Solid(kMist));
    c.Fill(outer, Solid(kFrame));
}

// The CPU history's background: a dark green grid on black, one cell per tenth.
void DrawCpuGraphGrid(Canvas& c, const Entry&)
{
    const float w = c.W(), h = c.H();
    c.Fill(Box(0, 0, w, h), Solid(Hex(0x000000)));
    for (int line = 0; line <= 10; ++line) {
        const float x = std::min(w - 1, std::floor(line * (w - 1) / 10));
        const float y = std::min(h - 1, std::floor(line * (h - 1) / 10));
        c.Fill(Box(x, 0, x + 1, h), Solid(Hex(0x004020)));
        c.Fill(Box(0, y, w, y + 1), Solid(Hex(0x004020)));
    }
}

// A badge alone, for picture buttons.
void DrawGlyphButton(Canvas& c, const Entry& e)
{
    Badge(c, e.glyph, 1, 1, c.W() - 2);
}

void DrawBullet(Canvas& c, const Entry&)
{
    const Shape orb = Circle(8, 12, 6.5f);
    c.Fill(Move(orb, 0, 1), Solid(kNavy), 0.25f, 2);
    c.Fill(orb, Radial(Hex(0x64A6F0), Hex(0x0C3A84), 7, 9, 9));
    c.Fill(Outline(Circle(8, 12, 6), 1), Solid(kNavy), 0.55f);
    c.Fill(Intersect(Circle(8, 12, 5.5f), Ellipse(8, 8.8f, 4.6f, 3)), Vert(Ink(kWhite, 0.7f), Ink(kWhite, 0.1f), 6, 11));
    c.Fill(Poly({{6.8f, 9}, {11, 12}, {6.8f, 15}}), Solid(kWhite));
}

void DrawStartLogo(Canvas& c, const Entry&)
{
    c.Fill(Ellipse(145, 160, 60, 6), Solid(kNavy), 0.22f, 6);
    Emblem(c, 145, 82, 73, true);
    Wordmark(c, {0, 160, 290, 214}, 46, DT_CENTER | DT_SINGLELINE | DT_VCENTER, false);
    const Font tagFont{13, false, 0.3f};
    const float half = float(MeasureText(L"System tuning for Windows", tagFont, 0, DT_SINGLELINE).cx) / 2 + 8;
    c.Fill(Box(145 - half - 40, 227, 145 - half, 228), Horz(Ink(kFrame, 0), kFrame, 145 - half - 40, 145 - half));
    c.Fill(Box(145 + half, 227, 145 + half + 40, 228), Horz(kFrame, Ink(kFrame, 0), 145 + half, 145 + half + 40));
    c.Text(L"System tuning for Windows", tagFont, {0, 216, 290, 238}, DT_CENTER | DT_SINGLELINE | DT_VCENTER,
           Solid(kSteel));
}

// ---------------------------------------------------------------- pages and about box

void DrawProductLogoSmall(Canvas& c, const Entry&)
{
    Emblem(c, 18, 25, 16, true);
    Wordmark(c, {38, 8, 118, 32}, 17, DT_LEFT | DT_SINGLELINE | DT_VCENTER, false);
    c.Fill(Box(39, 33, 112, 34), Horz(kFrame, Ink(kFrame, 0), 39, 112));
    c.Text(L"System tuning", {10, false, 0.3f}, {39, 34, 118, 47}, DT_LEFT | DT_SINGLELINE | DT_VCENTER, Solid(kSteel));
}

void DrawAntispyLogo(Canvas& c, const Entry&)
{
    GlossyShield(c, -5, 2, 50);
    c.Text(L"Antispy", {19}, {40, 6, 118, 32}, DT_LEFT | DT_SINGLELINE | DT_VCENTER, Vert(Hex(0x2C6CC8), kNavy, 12, 28));
    c.Fill(Box(41, 33, 112, 34), Horz(kFrame, Ink(kFrame, 0), 41, 112));
    c.Text(L"Brevantor", {10, true, 0.3f}, {41, 34, 118, 47}, DT_LEFT | DT_SINGLELINE | DT_VCENTER, Solid(kSteel));
}

void DrawAntispyDecor(Canvas& c, const Entry&)
{
    c.Fill(Circle(48, 48, 47), Radial(Hex(0xD9E7F6), Ink(kWhite, 0), 48, 48, 47));
    for (float r = 38; r <= 46; r += 4)
        c.Fill(Outline(Circle(48, 48, r), 1), Solid(kFrame), 0.25f);
    GlossyShield(c, -5, -2, 106);
}

void DrawAboutLogo(Canvas& c, const Entry&)
{
    const float w = c.W(), h = c.H();
    c.Fill(Box(0, 0, w, h), Vert(Hex(0x2A62AE), kNavy, 0, h));
    for (float r = 30; r < 200; r += 14)
        c.Fill(Outline(Circle(40, 46, r), 1), Solid(kWhite), 0.07f);
    c.Fill(Box(0, 0, w, h * 0.45f), Vert(Ink(kWhite, 0.16f), Ink(kWhite, 0.04f), 0, h * 0.45f));
    c.Fill(Box(0, 0, w, 1), Solid(Hex(0x8DB5E6)));
    c.Fill(Box(0, h - 1, w, h), Solid(Hex(0x061A3D)));
    c.Fill(Ellipse(38, 79, 24, 3), Solid(Hex(0x020A1A)), 0.45f, 4);
    Emblem(c, 38, 45, 29, true);
    Wordmark(c, {76, 20, 192, 52}, 23, DT_LEFT | DT_SINGLELINE | DT_VCENTER, true);
    c.Fill(Box(77, 54, 184, 55), Horz(Ink(kSky, 0.8f), Ink(kSky, 0), 77, 184));
    c.Text(L"by Qor-Software", {11, false, 0.3f}, {77, 57, 192, 72}, DT_LEFT | DT_SINGLELINE | DT_VCENTER,
           Solid(Hex(0xC2D7F0)));
}

void DrawTitleButton(Canvas& c, const Entry& e)
{
    DrawCaptionButton(c, e.id == ImageId::CloseUp || e.id == ImageId::CloseDown,
                      e.id == ImageId::MinimiseDown || e.id == ImageId::CloseDown);
}

const Entry kEntries[] = {
    {ImageId::TitleStrip, 626, 31, DrawTitleStrip},
    {ImageId::MinimiseUp, 13, 14, DrawTitleButton},
    {ImageId::MinimiseDown, 13, 14, DrawTitleButton},
    {ImageId::CloseUp, 14, 14, DrawTitleButton},
    {ImageId::CloseDown, 14, 14, DrawTitleButton},
    {ImageId::SmallMakerLogo, 116, 31, DrawSmallMakerLogo},
    {ImageId::LeftPanel, 195, 279, DrawLeftPanel},
    {ImageId::Banner, 227, 70, DrawBanner},
    {ImageId::BottomStrip, 626, 15, DrawBottomStrip},
    {ImageId::EdgeLeft, 2, 209, DrawEdge},
    {ImageId::EdgeRight, 2, 209, DrawEdge},
    {ImageId::EdgeBottom, 209, 2, DrawEdge},
    {ImageId::Bullet, 16, 24, DrawBullet},
    {ImageId::StartLogo, 290, 246, DrawStartLogo},
    {ImageId::ProductLogoSmall, 118, 53, DrawProductLogoSmall},
    {ImageId::Cleaner, 121, 63, Tile, Glyph::Disk, L"Disk Cleaner"},
    {ImageId::Cache, 133, 53, Tile, Glyph::Layers, L"Cache"},
    {ImageId::Ram, 122, 58, Tile, Glyph::Memory, L"RAM Cleaner"},
    {ImageId::Overview, 125, 57, Tile, Glyph::Monitor, L"System Overview"},
    {ImageId::Status, 106, 56, Tile, Glyph::Chip, L"CPU & Memory"},
    {ImageId::Boot, 143, 54, Tile, Glyph::Power, L"Boot & Shutdown"},
    {ImageId::Customization, 108, 55, Tile, Glyph::Palette, L"Appearance"},
    {ImageId::General, 62, 52, Tile, Glyph::Gear, L"General"},
    {ImageId::Antispy, 57, 57, Tile, Glyph::Shield, L"Antispy"},
    {ImageId::Passgen, 157, 58, Tile, Glyph::Key, L"Password Generator"},
    {ImageId::Splitter, 86, 49, Tile, Glyph::Split, L"Splitter"},
    {ImageId::Shredder, 108, 52, Tile, Glyph::Shred, L"Shredder"},
    {ImageId::Glass, 129, 58, Tile, Glyph::Lens, L"Magnifier"},
    {ImageId::Synch, 167, 62, Tile, Glyph::Clock, L"Time Synchronisation"},
    {ImageId::VDrive, 96, 48, Tile, Glyph::Disc, L"Virtual Drives"},
    {ImageId::Hider, 107, 56, Tile, Glyph::HiddenWindow, L"Window Hider"},
    {ImageId::Utilities, 57, 44, Tile, Glyph::Wrench, L"Tools"},
    {ImageId::Skyvell, 81, 76, Tile, Glyph::Refresh, L"Update"},
    {ImageId::Help, 66, 74, Tile, Glyph::Question, L"Help"},
    {ImageId::Language, 84, 81, Tile, Glyph::Globe, L"Language"},
    {ImageId::AntispyLogo, 118, 53, DrawAntispyLogo},
    {ImageId::AntispyDecor, 96, 96, DrawAntispyDecor},
    {ImageId::CpuGraphGrid, 230, 58, DrawCpuGraphGrid},
    {ImageId::CpuMonitorButton, 34, 34, DrawGlyphButton, Glyph::Monitor},
    {ImageId::AboutLogo, 192, 93, DrawAboutLogo},
};

// The about icon's sign: a white "i" on a blue disc in the lower right corner.
void DrawInfoBadge(Canvas& c, float s)
{
    const float r = std::max(s * 0.27f, 4.6f), cx = s - r - 0.25f, cy = s - r - 0.25f;
    c.Fill(Circle(cx, cy, r), Solid(kWhite));
    c.Fill(Circle(cx, cy, r - std::max(1.f, s * 0.04f)), Vert(Hex(0x2F7BEA), kRoyal, cy - r, cy + r));
    c.Fill(Circle(cx, cy - r * 0.45f, r * 0.17f), Solid(kWhite));
    c.Fill(Box(cx - r * 0.15f, cy - r * 0.16f, cx + r * 0.15f, cy + r * 0.58f, r * 0.05f), Solid(kWhite));
}

} // namespace

Picture Get(ImageId id)
{
    for (const Entry& e : kEntries)
        if (e.id == id)
            return Get(id, {e.width, e.height});
    return nullptr;
}

Picture Get(ImageId id, SIZE size)
{
    static std::map<std::tuple<ImageId, LONG, LONG>, Picture> cache;
    Picture& slot = cache[{id, size.cx, size.cy}];
    if (!slot)
        for (const Entry& e : kEntries)
            if (e.id == id)
                slot = Drawn(size, [&e](Canvas& c) { e.draw(c, e); });
    return slot;
}

HICON AboutIcon(int sizePixels)
{
    return EmblemIcon(sizePixels, DrawInfoBadge);
}

HCURSOR LinkCursor()
{
    static win::unique_hcursor cursor;
    if (!cursor) {
        // A pointing hand, index fingertip at the hotspot (9, 1).
        Canvas c(32, 32, false);
        const Shape hand = Union({Capsule(9.5f, 3, 9.5f, 15, 2.6f), Capsule(13.9f, 12, 13.9f, 16, 2.3f),
                                  Capsule(17.9f, 13, 17.9f, 17, 2.2f), Capsule(21.5f, 14.5f, 21.5f, 18, 2),
                                  Box(7, 14, 23.5f, 25, 4), Capsule(3.8f, 16.5f, 8, 21.5f, 2.3f), Box(9, 21, 22, 27, 2.5f)});
        c.Fill(Move(hand, 1, 1), Solid(Hex(0x000000)), 0.3f, 1.5f);
        c.Fill(hand, Solid(Hex(0x000000)));
        c.Fill(Grow(hand, -1.1f), Vert(kWhite, Hex(0xDCE6F2), 0, 27));
        for (const float x : {11.7f, 15.9f, 19.7f})
            c.Fill(Capsule(x, 13.5f, x, 17.5f, 0.45f), Solid(Hex(0x000000)), 0.75f);
        c.Fill(Box(9, 26, 22, 31, 1), Solid(Hex(0x000000)));
        c.Fill(Box(10, 27, 21, 30), Vert(Hex(0x3C78C8), kNavy, 27, 30));
        cursor.reset(ToIcon(c, false, 9, 1));
    }
    return cursor.get();
}

} // namespace art
