#include "pages/system/SystemPictures.h"

#include <map>

namespace systempictures {

namespace {

using namespace art;

// A soft shadow under a shape.
void Shadow(Canvas& c, const Shape& shape, float size)
{
    c.Fill(Move(shape, 0, size * 0.04f), Solid(kNavy), 0.22f, size * 0.05f);
}

// A flat monitor with a blue screen on a foot, in the square of side s.
void Display(Canvas& c, float s)
{
    const Shape case_ = Box(s * 0.06f, s * 0.1f, s * 0.94f, s * 0.72f, s * 0.07f);
    const Shape screen = Box(s * 0.13f, s * 0.17f, s * 0.87f, s * 0.65f, s * 0.02f);
    const Shape neck = Box(s * 0.43f, s * 0.72f, s * 0.57f, s * 0.82f);
    const Shape foot = Union({neck, Box(s * 0.27f, s * 0.82f, s * 0.73f, s * 0.9f, s * 0.03f)});
    Shadow(c, Union({case_, foot}), s);
    c.Fill(foot, Vert(Hex(0x8DA3BA), Hex(0x4F6A88), s * 0.72f, s * 0.9f));
    c.Fill(case_, Vert(Hex(0xE9EFF6), Hex(0x9FB2C7), s * 0.1f, s * 0.72f));
    c.Fill(Outline(case_, 1), Solid(kSteel), 0.8f);
    c.Fill(screen, Linear(Hex(0x6FB6F5), Hex(0x0A3F93), s * 0.13f, s * 0.17f, s * 0.87f, s * 0.65f));
    // A gleam across the top of the glass.
    c.Fill(Intersect(screen, Ellipse(s * 0.35f, s * 0.12f, s * 0.6f, s * 0.22f)), Solid(kWhite), 0.28f);
}

// An application window with its title strip, a side pane and lines of text.
void Window(Canvas& c, float s)
{
    const Shape frame = Box(s * 0.06f, s * 0.12f, s * 0.94f, s * 0.88f, s * 0.06f);
    const Shape title = Intersect(frame, Box(0, 0, s, s * 0.3f));
    Shadow(c, frame, s);
    c.Fill(frame, Solid(kWhite));
    c.Fill(title, Vert(Hex(0x4F93E3), Hex(0x0F3F8C), s * 0.12f, s * 0.3f));
    c.Fill(Circle(s * 0.82f, s * 0.21f, s * 0.045f), Solid(kWhite), 0.9f);
    c.Fill(Box(s * 0.14f, s * 0.38f, s * 0.42f, s * 0.8f, s * 0.02f),
           Vert(Hex(0xC6D5E4), Hex(0x9FB6CE), s * 0.38f, s * 0.8f));
    for (int line = 0; line < 4; ++line) {
        const float y = s * (0.41f + 0.1f * float(line));
        c.Fill(Box(s * 0.5f, y, s * (line == 3 ? 0.7f : 0.86f), y + s * 0.045f, s * 0.02f), Solid(kSteel), 0.55f);
    }
    c.Fill(Outline(frame, 1), Solid(kDeep), 0.85f);
}

// A hard disk seen from above: case, platter, arm.
void HardDisk(Canvas& c, float x, float y, float s)
{
    const Shape case_ = Box(x, y, x + s * 0.72f, y + s * 0.9f, s * 0.06f);
    Shadow(c, case_, s);
    c.Fill(case_, Vert(Hex(0xDCE4EE), Hex(0x8FA3BA), y, y + s * 0.9f));
    c.Fill(Outline(case_, 1), Solid(kSteel), 0.85f);
    const float cx = x + s * 0.36f, cy = y + s * 0.38f;
    c.Fill(Circle(cx, cy, s * 0.27f), Radial(Hex(0xF7FAFD), Hex(0x9CB0C6), cx - s * 0.08f, cy - s * 0.1f, s * 0.34f));
    c.Fill(Outline(Circle(cx, cy, s * 0.27f), 1), Solid(kSteel), 0.7f);
    c.Fill(Outline(Circle(cx, cy, s * 0.16f), 0.8f), Solid(kWhite), 0.7f);
    c.Fill(Circle(cx, cy, s * 0.05f), Solid(kSteel));
    c.Fill(Capsule(x + s * 0.6f, y + s * 0.78f, cx + s * 0.1f, cy + s * 0.12f, s * 0.035f), Solid(kDeep));
    c.Fill(Circle(x + s * 0.6f, y + s * 0.78f, s * 0.06f), Solid(kNavy));
}

void DriveSweep(Canvas& c)
{
    const float s = c.H();
    HardDisk(c, s * 0.06f, s * 0.04f, s);
    // The magnifier over the disk's lower right corner.
    const float gx = s * 0.62f, gy = s * 0.58f, r = s * 0.19f;
    c.Fill(Capsule(gx + r * 0.7f, gy + r * 0.7f, gx + r * 1.5f, gy + r * 1.5f, s * 0.055f),
           Vert(Hex(0x2B4F7E), kNavy, gy, s));
    c.Fill(Circle(gx, gy, r), Solid(Hex(0xBFE0FF)), 0.55f);
    c.Fill(Intersect(Circle(gx, gy, r), Ellipse(gx - r * 0.3f, gy - r * 0.45f, r * 0.7f, r * 0.4f)), Solid(kWhite),
           0.6f);
    c.Fill(Outline(Circle(gx, gy, r), s * 0.045f), Vert(Hex(0x4A78A8), kDeep, gy - r, gy + r));
}

void QuickClean(Canvas& c)
{
    const float s = c.H();
    // The point at t of the way from one point of the unit square to another, on the canvas.
    const auto along = [s](Pt from, Pt to, float t) {
        return Pt{s * (from.x + (to.x - from.x) * t), s * (from.y + (to.y - from.y) * t)};
    };
    // The broom leans from the top right to its head at the bottom left.
    const Pt bindLeft{0.36f, 0.5f}, bindRight{0.5f, 0.63f}, tipLeft{0.08f, 0.7f}, tipRight{0.34f, 0.92f};
    const Pt bindMiddle = along(bindLeft, bindRight, 0.5f);
    c.Fill(Capsule(s * 0.82f, s * 0.08f, bindMiddle.x, bindMiddle.y, s * 0.04f),
           Vert(Hex(0xC98B4B), Hex(0x8A5526), 0, s));
    const Shape head = Poly({along(bindLeft, bindRight, 0), along(bindLeft, bindRight, 1), along(tipLeft, tipRight, 1),
                             along(tipLeft, tipRight, 0)});
    Shadow(c, head, s);
    c.Fill(head, Linear(Hex(0xF6D77A), Hex(0xC8962E), s * 0.4f, s * 0.55f, s * 0.15f, s * 0.85f));
    for (int bristle = 1; bristle < 6; ++bristle) {
        const Pt top = along(bindLeft, bindRight, float(bristle) / 6.f);
        const Pt tip = along(tipLeft, tipRight, float(bristle) / 6.f);
        c.Fill(Capsule(top.x, top.y, tip.x, tip.y, s * 0.008f), Solid(Hex(0x9A6B1E)), 0.6f);
    }
    const Pt bindFrom = along(bindLeft, bindRight, 0.05f), bindTo = along(bindLeft, bindRight, 0.95f);
    c.Fill(Capsule(bindFrom.x, bindFrom.y, bindTo.x, bindTo.y, s * 0.035f), Solid(kSteel));
    for (const Pt p : {Pt{0.62f, 0.72f}, Pt{0.8f, 0.56f}, Pt{0.74f, 0.88f}})
        c.Fill(Star(s * p.x, s * p.y, s * 0.08f, s * 0.022f), Solid(kSky));
}

// A memory module: green board, black chips, gold contacts, and an arrow of
// memory set free rising from it.
void Memory(Canvas& c)
{
    const float s = c.W();
    const Shape board = Box(s * 0.06f, s * 0.42f, s * 0.94f, s * 0.78f, s * 0.03f);
    Shadow(c, board, s);
    c.Fill(board, Vert(Hex(0x2F8F4E), Hex(0x16603A), s * 0.42f, s * 0.78f));
    c.Fill(Outline(board, 1), Solid(Hex(0x0E4A2B)), 0.9f);
    for (int chip = 0; chip < 4; ++chip) {
        const float x = s * (0.12f + 0.2f * float(chip));
        c.Fill(Box(x, s * 0.47f, x + s * 0.15f, s * 0.66f, s * 0.015f), Vert(Hex(0x3A3F47), Hex(0x16191E), s * 0.47f, s * 0.66f));
    }
    for (int pin = 0; pin < 14; ++pin) {
        const float x = s * (0.1f + 0.058f * float(pin));
        if (pin != 7)
            c.Fill(Box(x, s * 0.7f, x + s * 0.035f, s * 0.77f), Solid(Hex(0xE0B34A)));
    }
    const Shape arrow = Union({Poly({{s * 0.5f, s * 0.04f}, {s * 0.68f, s * 0.22f}, {s * 0.32f, s * 0.22f}}),
                               Box(s * 0.44f, s * 0.21f, s * 0.56f, s * 0.38f, s * 0.02f)});
    c.Fill(Move(arrow, 0, 1), Solid(kNavy), 0.3f, 1.5f);
    c.Fill(arrow, Vert(Hex(0x7CC4FF), kRoyal, s * 0.04f, s * 0.38f));
}

} // namespace

Picture Get(PictureId id)
{
    static std::map<PictureId, Picture> cache;
    Picture& slot = cache[id];
    if (slot)
        return slot;
    switch (id) {
    case PictureId::Display:
        slot = Drawn({32, 32}, [](Canvas& c) { Display(c, c.W()); });
        break;
    case PictureId::Windows:
        slot = Drawn({32, 32}, [](Canvas& c) { Window(c, c.W()); });
        break;
    case PictureId::DriveSweep:
        slot = Drawn({64, 64}, DriveSweep);
        break;
    case PictureId::QuickClean:
        slot = Drawn({64, 64}, QuickClean);
        break;
    case PictureId::Memory:
        slot = Drawn({64, 64}, Memory);
        break;
    }
    return slot;
}

} // namespace systempictures
