#include "pages/utilities/UtilityPictures.h"

#include <cmath>
#include <map>
#include <string>

namespace utilitypictures {

namespace {

using namespace art;

// The pages' signs in the unit square, drawn white on the logos' disc.
Shape ClockSign()
{
    return Union({Outline(Circle(0.5f, 0.5f, 0.29f), 0.075f), Capsule(0.5f, 0.5f, 0.5f, 0.3f, 0.04f),
                  Capsule(0.5f, 0.5f, 0.64f, 0.58f, 0.04f)});
}

Shape ToolsSign()
{
    const Shape wrench = Union({Minus(Circle(0.69f, 0.31f, 0.15f), Union({Circle(0.75f, 0.25f, 0.085f),
                                                                          Box(0.74f, 0.05f, 0.95f, 0.26f)})),
                                Capsule(0.6f, 0.4f, 0.27f, 0.73f, 0.055f)});
    const Shape driver = Union({Capsule(0.27f, 0.27f, 0.52f, 0.52f, 0.03f), Capsule(0.57f, 0.57f, 0.74f, 0.74f, 0.075f)});
    return Union({wrench, driver});
}

Shape PadlockSign()
{
    const Shape body = Minus(Box(0.27f, 0.45f, 0.73f, 0.8f, 0.05f),
                             Union({Circle(0.5f, 0.585f, 0.055f), Box(0.48f, 0.6f, 0.52f, 0.7f)}));
    const Shape shackle = Union({Arc(0.5f, 0.37f, 0.15f, 180, 360, 0.075f), Box(0.3125f, 0.37f, 0.3875f, 0.46f),
                                 Box(0.6125f, 0.37f, 0.6875f, 0.46f)});
    return Union({body, shackle});
}

Shape LensSign()
{
    return Union({Outline(Circle(0.43f, 0.43f, 0.2f), 0.075f), Capsule(0.58f, 0.58f, 0.77f, 0.77f, 0.065f)});
}

Shape HiddenWindowSign()
{
    const Shape window = Union({Outline(Box(0.2f, 0.2f, 0.8f, 0.66f, 0.04f), 0.05f), Box(0.2f, 0.2f, 0.8f, 0.31f, 0.04f)});
    const Shape arrow = Union({Capsule(0.5f, 0.38f, 0.5f, 0.6f, 0.04f), Poly({{0.36f, 0.58f}, {0.64f, 0.58f}, {0.5f, 0.74f}})});
    return Union({window, arrow, Box(0.3f, 0.78f, 0.7f, 0.83f, 0.02f)});
}

// A glossy blue disc with a white sign.
void SignDisc(Canvas& c, const Shape& unitSign, float cx, float cy, float r)
{
    const Shape disc = Circle(cx, cy, r);
    c.Fill(Move(disc, 0, 1.5f), Solid(kNavy), 0.25f, 3);
    c.Fill(disc, Radial(Hex(0x4A92EA), kNavy, cx - r * 0.2f, cy - r * 0.45f, r * 1.5f));
    c.Fill(Intersect(Grow(disc, -1.5f), Ellipse(cx, cy - r * 0.45f, r * 0.75f, r * 0.5f)),
           Vert(Ink(kWhite, 0.45f), Ink(kWhite, 0.05f), cy - r, cy));
    c.Fill(Outline(Grow(disc, -0.5f), 1), Solid(Hex(0x0B2F6B)), 0.8f);
    const Shape sign = Scaled(unitSign, cx - r, cy - r, 2 * r);
    c.Fill(Move(sign, 0, 1), Solid(Hex(0x061C40)), 0.4f);
    c.Fill(sign, Vert(kWhite, Hex(0xD5E5F7), cy - r * 0.6f, cy + r * 0.6f));
}

// A page's logo: its sign on the disc, its title and the product's name under a rule.
void PageLogo(Canvas& c, const Shape& unitSign, const std::wstring& title)
{
    SignDisc(c, unitSign, 24, 26, 20);
    const float right = c.W() - 4;
    c.Text(title, {18}, {50, 5, LONG(right), 32}, DT_LEFT | DT_SINGLELINE | DT_VCENTER,
           Vert(Hex(0x2C6CC8), kNavy, 11, 28));
    c.Fill(Box(51, 33, right - 6, 34), Horz(kFrame, Ink(kFrame, 0), 51, right - 6));
    c.Text(L"Brevantor", {10, true, 0.3f}, {51, 34, LONG(right), 47}, DT_LEFT | DT_SINGLELINE | DT_VCENTER, Solid(kSteel));
}

void DrawClockFace(Canvas& c)
{
    const float cx = 48, cy = 48;
    // The two turning arrows round the face stand for the synchronisation.
    for (const float start : {200.f, 20.f}) {
        c.Fill(Arc(cx, cy, 43, start, start + 130, 4), Solid(kSky), 0.9f);
        const Pt tip = OnCircle(cx, cy, 43, start + 140), base = OnCircle(cx, cy, 43, start + 126);
        const Pt out = OnCircle(0, 0, 6.5f, start + 126);
        c.Fill(Poly({{base.x + out.x, base.y + out.y}, {base.x - out.x, base.y - out.y}, tip}), Solid(kSky), 0.9f);
    }
    const Shape face = Circle(cx, cy, 35);
    c.Fill(Move(face, 0, 2), Solid(kNavy), 0.25f, 4);
    c.Fill(face, Radial(Hex(0x4A92EA), kNavy, cx - 8, cy - 14, 52));
    c.Fill(Circle(cx, cy, 29), Vert(kWhite, Hex(0xDCE8F5), cy - 29, cy + 29));
    for (int hour = 0; hour < 12; ++hour) {
        const float angle = 30.f * float(hour);
        const Pt outer = OnCircle(cx, cy, 26, angle), inner = OnCircle(cx, cy, hour % 3 == 0 ? 20 : 23, angle);
        c.Fill(Capsule(inner.x, inner.y, outer.x, outer.y, hour % 3 == 0 ? 1.4f : 0.8f), Solid(kNavy));
    }
    // Ten past ten.
    const Pt hourHand = OnCircle(cx, cy, 14, -90 + 305), minuteHand = OnCircle(cx, cy, 21, -90 + 60);
    c.Fill(Capsule(cx, cy, hourHand.x, hourHand.y, 2), Solid(kNavy));
    c.Fill(Capsule(cx, cy, minuteHand.x, minuteHand.y, 1.4f), Solid(kNavy));
    const Pt second = OnCircle(cx, cy, 23, -90 + 200);
    c.Fill(Capsule(cx, cy, second.x, second.y, 0.6f), Solid(Hex(0xD03030)));
    c.Fill(Circle(cx, cy, 2.6f), Solid(kRoyal));
    c.Fill(Intersect(Circle(cx, cy, 34), Ellipse(cx, cy - 20, 26, 14)), Vert(Ink(kWhite, 0.5f), Ink(kWhite, 0), cy - 34, cy - 8));
}

void DrawToolbox(Canvas& c)
{
    c.Fill(Ellipse(48, 86, 38, 5), Solid(kNavy), 0.2f, 4);
    // The tools stand out of the open box.
    c.Fill(TurnedBox(34, 30, 20, 3, -60), Vert(Hex(0xC8D4E2), Hex(0x7F93AC), 10, 50));
    c.Fill(Minus(Circle(26, 14, 9), Union({Circle(29, 10, 5), Box(27, 0, 40, 11)})), Solid(Hex(0x8FA3BC)));
    c.Fill(Capsule(62, 22, 62, 46, 2), Solid(Hex(0x9AA8B8)));
    c.Fill(Capsule(62, 8, 62, 24, 5), Vert(Hex(0xF0A040), Hex(0xC06010), 4, 24));
    const Shape lid = Poly({{10, 44}, {86, 44}, {80, 36}, {16, 36}});
    c.Fill(lid, Vert(Hex(0x5B9AE6), Hex(0x2F6CC0), 36, 44));
    const Shape box = Box(10, 44, 86, 82, 4);
    c.Fill(box, Vert(Hex(0x4F93E3), Hex(0x0F3F8C), 44, 82));
    c.Fill(Box(12, 46, 84, 58, 3), Vert(Ink(kWhite, 0.35f), Ink(kWhite, 0.05f), 46, 58));
    c.Fill(Outline(Grow(box, -0.5f), 1), Solid(Hex(0x0B2F6B)), 0.85f);
    c.Fill(Box(40, 56, 56, 64, 2), Solid(Hex(0xE8EEF6)));
    c.Fill(Outline(Box(40, 56, 56, 64, 2), 1), Solid(kNavy), 0.7f);
}

// Cross hairs in a ring: the picker's picture, its cursor and nothing else.
void DrawCrossHairs(Canvas& c, float cx, float cy, float r, bool picture)
{
    const float w = picture ? 2.2f : 1.6f;
    if (picture) {
        c.Fill(Box(0.5f, 0.5f, c.W() - 0.5f, c.H() - 0.5f, 4), Vert(kWhite, kIce, 0, c.H()));
        c.Fill(Outline(Box(0.5f, 0.5f, c.W() - 0.5f, c.H() - 0.5f, 4), 1), Solid(kFrame));
    }
    const Shape ring = Outline(Circle(cx, cy, r), w);
    const Shape hairs = Union({Box(cx - r - 3, cy - w / 2, cx - 2, cy + w / 2), Box(cx + 2, cy - w / 2, cx + r + 3, cy + w / 2),
                               Box(cx - w / 2, cy - r - 3, cx + w / 2, cy - 2), Box(cx - w / 2, cy + 2, cx + w / 2, cy + r + 3)});
    // A white edge keeps the cursor visible on dark screens.
    if (!picture)
        c.Fill(Grow(Union({ring, hairs}), 1), Solid(kWhite));
    c.Fill(Union({ring, hairs}), Solid(picture ? kRoyal : kNavy));
    c.Fill(Circle(cx, cy, 1), Solid(Hex(0xD03030)));
}

void DrawHiderBadge(Canvas& c, float size)
{
    // A small window in the lower right corner of the emblem.
    const float s = std::max(size * 0.55f, 9.f), x = size - s, y = size - s;
    c.Fill(Box(x, y + s * 0.12f, x + s, y + s * 0.92f, s * 0.08f), Solid(kWhite));
    c.Fill(Box(x + 1, y + s * 0.12f + 1, x + s - 1, y + s * 0.92f - 1, s * 0.06f), Solid(kRoyal));
    c.Fill(Box(x + 2, y + s * 0.36f, x + s - 2, y + s * 0.92f - 2), Solid(kWhite));
}

struct Entry {
    PictureId id;
    int width;
    int height;
    void (*draw)(Canvas&);
};

const Entry kEntries[] = {
    {PictureId::ClockLogo, 180, 53, [](Canvas& c) { PageLogo(c, ClockSign(), L"Time Sync"); }},
    {PictureId::ToolsLogo, 180, 53, [](Canvas& c) { PageLogo(c, ToolsSign(), L"Utilities"); }},
    {PictureId::PasswordLogo, 180, 53, [](Canvas& c) { PageLogo(c, PadlockSign(), L"Passwords"); }},
    {PictureId::MagnifierLogo, 180, 53, [](Canvas& c) { PageLogo(c, LensSign(), L"Magnifier"); }},
    {PictureId::HiderLogo, 180, 53, [](Canvas& c) { PageLogo(c, HiddenWindowSign(), L"Window Hider"); }},
    {PictureId::ClockFace, 96, 96, DrawClockFace},
    {PictureId::Toolbox, 96, 96, DrawToolbox},
    {PictureId::Picker, 32, 32, [](Canvas& c) { DrawCrossHairs(c, 16, 16, 9, true); }},
};

} // namespace

art::Picture Get(PictureId id)
{
    static std::map<PictureId, art::Picture> cache;
    art::Picture& slot = cache[id];
    if (!slot)
        for (const Entry& e : kEntries)
            if (e.id == id)
                slot = Drawn({e.width, e.height}, e.draw);
    return slot;
}

HCURSOR PickerCursor()
{
    static win::unique_hcursor cursor;
    if (!cursor) {
        Canvas c(32, 32, false);
        DrawCrossHairs(c, 15, 15, 8, false);
        cursor.reset(ToIcon(c, false, 15, 15));
    }
    return cursor.get();
}

HICON HiderIcon(int sizePixels)
{
    return EmblemIcon(sizePixels, DrawHiderBadge);
}

} // namespace utilitypictures
