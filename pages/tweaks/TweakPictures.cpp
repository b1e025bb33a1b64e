#include "pages/tweaks/TweakPictures.h"

#include <map>

namespace tweaks {

namespace {

using namespace art;

// The off pictures show their subject in greys, struck out in red.
Rgb Tone(std::uint32_t colour, bool on)
{
    const Rgb c = Hex(colour);
    if (on)
        return c;
    const int grey = (c.r * 30 + c.g * 59 + c.b * 11) / 100;
    return {grey, grey, grey};
}

void StruckOut(Canvas& c, float cx, float cy, float r)
{
    c.Fill(Circle(cx, cy, r + 1), Solid(kWhite));
    const Shape sign = Union({Outline(Circle(cx, cy, r - 1.4f), 2.8f),
                              TurnedBox(cx, cy, r - 1.5f, 1.4f, 45)});
    c.Fill(sign, Vert(Hex(0xE0443A), Hex(0xA81E16), cy - r, cy + r));
}

void ShortcutIcon(Canvas& c, bool withArrow)
{
    const Shape window = Box(9, 7, 45, 41, 3);
    c.Fill(Move(window, 1, 2), Solid(kNavy), 0.25f, 2.5f);
    c.Fill(window, Vert(kWhite, kIce, 7, 41));
    c.Fill(Intersect(window, Box(9, 7, 45, 15)), Vert(Hex(0x4F93E3), Hex(0x1552B8), 7, 15));
    c.Fill(Outline(window, 1), Solid(kSteel));
    for (int line = 0; line < 4; ++line)
        c.Fill(Box(14, 20 + 5.f * float(line), line % 2 ? 32.f : 39.f, 22 + 5.f * float(line), 1), Solid(kMist));
    if (!withArrow)
        return;
    const Shape badge = Box(4, 29, 21, 46, 2);
    c.Fill(badge, Solid(kWhite));
    c.Fill(Outline(badge, 1), Solid(Hex(0x333333)));
    c.Fill(Union({Capsule(8.5f, 41.5f, 15, 35, 1.3f), Poly({{11, 33}, {18, 32}, {17, 39}})}), Solid(Hex(0x111111)));
}

void Photo(Canvas& c, bool on)
{
    const Shape window = Box(4, 6, 48, 45, 3);
    c.Fill(Move(window, 1, 2), Solid(kNavy), 0.25f, 2.5f);
    c.Fill(window, Solid(Tone(0xEAF1F8, on)));
    c.Fill(Intersect(window, Box(4, 6, 48, 13)), Vert(Tone(0x4F93E3, on), Tone(0x1552B8, on), 6, 13));
    c.Fill(Outline(window, 1), Solid(Tone(0x4A78A8, on)));
    const Shape picture = Box(8, 16, 44, 41);
    c.Fill(picture, Vert(Tone(0x5A9BE8, on), Tone(0xCFE6FA, on), 16, 41));
    c.Fill(Circle(35, 23, 3.5f), Solid(Tone(0xFFD23C, on)));
    c.Fill(Intersect(picture, Ellipse(18, 45, 20, 11)), Vert(Tone(0x6CC04A, on), Tone(0x2E7D22, on), 34, 45));
    c.Fill(Intersect(picture, Ellipse(40, 47, 16, 10)), Vert(Tone(0x4FA63A, on), Tone(0x23661A, on), 37, 47));
    c.Fill(Outline(picture, 1), Solid(Tone(0x7F9DB9, on)));
    if (!on)
        StruckOut(c, 39, 38, 9);
}

void ZipFolder(Canvas& c, bool on)
{
    const Shape tab = Box(6, 10, 22, 18, 2);
    const Shape body = Box(6, 15, 46, 43, 3);
    c.Fill(Move(body, 1, 2), Solid(kNavy), 0.25f, 2.5f);
    c.Fill(tab, Solid(Tone(0xD9A21E, on)));
    c.Fill(body, Vert(Tone(0xFFD867, on), Tone(0xE8A92A, on), 15, 43));
    c.Fill(Outline(Union({tab, body}), 1), Solid(Tone(0xA8741A, on)));
    // The zip: a dark band of teeth down the middle with its pull at the bottom.
    c.Fill(Box(24, 15, 28, 43), Solid(Tone(0x6B5A3A, on)));
    for (int tooth = 0; tooth < 7; ++tooth) {
        const float x = tooth % 2 ? 26.f : 24.f, y = 16 + 3.f * float(tooth);
        c.Fill(Box(x, y, x + 2, y + 1.5f), Solid(Tone(0xD8D8D8, on)));
    }
    c.Fill(Box(23, 36, 29, 42, 1.5f), Vert(Tone(0xF2F2F2, on), Tone(0x9A9A9A, on), 36, 42));
    if (!on)
        StruckOut(c, 39, 36, 9);
}

void Wallpaper(Canvas& c)
{
    c.Fill(Box(0, 0, 150, 72), Vert(Hex(0x3B7BD8), Hex(0xBCD9F5), 0, 54));
    c.Fill(Ellipse(118, 14, 22, 6), Solid(kWhite), 0.6f, 6);
    c.Fill(Ellipse(44, 84, 92, 32), Vert(Hex(0x7CCB4E), Hex(0x2F8A28), 52, 80));
    c.Fill(Ellipse(140, 92, 74, 32), Vert(Hex(0x5BB03C), Hex(0x21691B), 62, 92));
    // Two desktop icons and a window.
    for (float y : {6.f, 28.f}) {
        c.Fill(Box(9, y, 21, y + 12, 2), Vert(Hex(0xFFE08A), Hex(0xE7A93A), y, y + 12));
        c.Fill(Box(6, y + 15, 24, y + 17, 1), Solid(kWhite), 0.85f);
    }
    const Shape window = Box(56, 8, 128, 46, 2);
    c.Fill(Move(window, 1, 1), Solid(kNavy), 0.3f, 2);
    c.Fill(window, Solid(Hex(0xF4F7FB)));
    c.Fill(Intersect(window, Box(56, 8, 128, 15)), Vert(Hex(0x4F93E3), Hex(0x1552B8), 8, 15));
    for (int line = 0; line < 4; ++line)
        c.Fill(Box(62, 21 + 6.f * float(line), line % 2 ? 104.f : 120.f, 23 + 6.f * float(line)), Solid(kMist));
}

void TaskbarStrip(Canvas& c)
{
    c.Fill(Box(0, 57, 150, 72), Vert(Hex(0x3C7DE8), Hex(0x1845A8), 57, 72));
    c.Fill(Box(0, 57, 150, 58), Solid(Hex(0x8DB5F2)));
    c.Fill(Box(-6, 57, 34, 72, 7), Vert(Hex(0x4CAF4C), Hex(0x2A7A2A), 57, 72));
    c.Text(L"start", {10, true}, {6, 57, 34, 72}, DT_LEFT | DT_SINGLELINE | DT_VCENTER, Solid(kWhite));
    c.Fill(Box(38, 60, 78, 70, 2), Vert(Hex(0x6A9DF0), Hex(0x3D6FD0), 60, 70));
    c.Fill(Box(118, 58, 150, 72), Vert(Hex(0x14A0F0), Hex(0x0B74D4), 58, 72));
    c.Text(L"12:00", {9, false}, {118, 57, 148, 72}, DT_CENTER | DT_SINGLELINE | DT_VCENTER, Solid(kWhite));
}

void WelcomeScreen(Canvas& c)
{
    const float w = c.W(), h = c.H();
    c.Fill(Box(0, 0, w, h), Vert(Hex(0x5A7EDC), Hex(0x7497E8), 0, h));
    c.Fill(Box(0, 0, w, 18), Solid(Hex(0x00309C)));
    c.Fill(Box(0, h - 18, w, h), Solid(Hex(0x00309C)));
    c.Fill(Box(0, 18, w, 19.5f), Horz(Ink(kWhite, 0.1f), Hex(0xF2A24A), 0, w));
    c.Fill(Box(0, h - 19.5f, w, h - 18), Horz(Ink(kWhite, 0.1f), Hex(0x8FB3F0), 0, w));
    c.Fill(Box(w / 2, 28, w / 2 + 1, h - 28), Vert(Ink(kWhite, 0), Ink(kWhite, 0.7f), 28, h / 2));
    Emblem(c, w / 4, h / 2 - 12, 17, true);
    c.Text(L"welcome", {17, true}, {0, LONG(h / 2 + 10), LONG(w / 2), LONG(h / 2 + 32)},
           DT_CENTER | DT_SINGLELINE | DT_VCENTER, Solid(kWhite));
    const Rgb tiles[] = {Hex(0xF29A2E), Hex(0x5BB03C)};
    for (int i = 0; i < 2; ++i) {
        const float y = 34 + 38.f * float(i);
        const Shape tile = Box(w / 2 + 12, y, w / 2 + 38, y + 26, 4);
        c.Fill(Grow(tile, 1.5f), Solid(kWhite));
        c.Fill(tile, Radial(Mix(tiles[i], kWhite, 0.35f), tiles[i], w / 2 + 22, y + 8, 22));
        c.Fill(Box(w / 2 + 44, y + 7, w - 14 - 10.f * float(i), y + 11, 2), Solid(kWhite));
        c.Fill(Box(w / 2 + 44, y + 15, w - 34, y + 18, 1.5f), Solid(kWhite), 0.55f);
    }
    c.Fill(Circle(14, h - 9, 5.5f), Vert(Hex(0xF06A3A), Hex(0xB83A12), h - 15, h - 3));
    c.Fill(Union({Arc(14, h - 9, 2.8f, 320, 580, 1.1f), Capsule(14, h - 13, 14, h - 9.5f, 0.6f)}), Solid(kWhite));
}

void ClassicDialog(Canvas& c)
{
    const float w = c.W(), h = c.H();
    c.Fill(Box(0, 0, w, h), Solid(Hex(0x3A6EA5)));
    const float x0 = 20, y0 = 22, x1 = w - 20, y1 = h - 20;
    c.Fill(Box(x0 + 2, y0 + 3, x1 + 2, y1 + 3), Solid(Hex(0x000000)), 0.35f, 3);
    c.Fill(Box(x0, y0, x1, y1), Solid(Hex(0xD4D0C8)));
    c.Fill(Box(x0, y0, x1, y0 + 1), Solid(kWhite));
    c.Fill(Box(x0, y0, x0 + 1, y1), Solid(kWhite));
    c.Fill(Box(x0, y1 - 1, x1, y1), Solid(Hex(0x404040)));
    c.Fill(Box(x1 - 1, y0, x1, y1), Solid(Hex(0x404040)));
    c.Fill(Box(x0 + 2, y0 + 2, x1 - 2, y0 + 13), Horz(Hex(0x0A246A), Hex(0xA6CAF0), x0, x1));
    c.Text(L"Log On", {9, true}, {LONG(x0 + 5), LONG(y0 + 2), LONG(x1), LONG(y0 + 13)},
           DT_LEFT | DT_SINGLELINE | DT_VCENTER, Solid(kWhite));
    c.Fill(Box(x0 + 2, y0 + 14, x1 - 2, y0 + 32), Horz(kWhite, Hex(0xB9CBE4), x0, x1));
    Emblem(c, x0 + 16, y0 + 23, 7, false);
    c.Fill(Box(x0 + 28, y0 + 20, x0 + 80, y0 + 26, 2), Solid(kNavy), 0.75f);
    for (int row = 0; row < 2; ++row) {
        const float y = y0 + 40 + 14.f * float(row);
        c.Fill(Box(x0 + 8, y + 3, x0 + 34, y + 6, 1), Solid(Hex(0x303030)), 0.8f);
        c.Fill(Box(x0 + 42, y, x1 - 10, y + 10), Solid(Hex(0x808080)));
        c.Fill(Box(x0 + 43, y + 1, x1 - 10, y + 10), Solid(kWhite));
    }
    for (int button = 0; button < 2; ++button) {
        const float bx = x1 - 78 + 38.f * float(button), by = y1 - 16;
        c.Fill(Box(bx, by, bx + 34, by + 12), Solid(Hex(0x404040)));
        c.Fill(Box(bx, by, bx + 33, by + 11), Solid(kWhite));
        c.Fill(Box(bx + 1, by + 1, bx + 33, by + 11), Solid(Hex(0xD4D0C8)));
        c.Fill(Box(bx + 9, by + 5, bx + 25, by + 7, 1), Solid(Hex(0x303030)), 0.8f);
    }
}

void OpenFolder(Canvas& c)
{
    c.Fill(Box(3, 4, 11, 8, 1.5f), Solid(Hex(0xD9A21E)));
    c.Fill(Box(3, 6, 20, 18, 1.5f), Vert(Hex(0xF0C34A), Hex(0xD9A21E), 6, 18));
    const Shape flap = Poly({{7, 10}, {24, 10}, {20, 18.5f}, {2.5f, 18.5f}});
    c.Fill(flap, Vert(Hex(0xFFE69A), Hex(0xF2B940), 10, 18.5f));
    c.Fill(Outline(Union({Box(3, 4, 20, 18.5f, 1.5f), flap}), 0.9f), Solid(Hex(0x8A5E12)), 0.8f);
}

struct Entry {
    TweakImage image;
    int width, height;
    void (*draw)(Canvas&);
};

const Entry kEntries[] = {
    {TweakImage::ArrowsOn, 52, 52, [](Canvas& c) { ShortcutIcon(c, true); }},
    {TweakImage::ArrowsOff, 52, 52, [](Canvas& c) { ShortcutIcon(c, false); }},
    {TweakImage::ViewerOn, 52, 52, [](Canvas& c) { Photo(c, true); }},
    {TweakImage::ViewerOff, 52, 52, [](Canvas& c) { Photo(c, false); }},
    {TweakImage::ZipOn, 52, 52, [](Canvas& c) { ZipFolder(c, true); }},
    {TweakImage::ZipOff, 52, 52, [](Canvas& c) { ZipFolder(c, false); }},
    {TweakImage::Desktop, 150, 72, Wallpaper},
    {TweakImage::Taskbar, 150, 72, [](Canvas& c) { Wallpaper(c); TaskbarStrip(c); }},
    {TweakImage::WelcomeLogon, 176, 132, WelcomeScreen},
    {TweakImage::ClassicLogon, 176, 132, ClassicDialog},
    {TweakImage::OpenBitmap, 26, 22, OpenFolder},
};

} // namespace

art::Picture Picture(TweakImage image)
{
    static std::map<TweakImage, art::Picture> cache;
    art::Picture& slot = cache[image];
    if (!slot)
        for (const Entry& e : kEntries)
            if (e.image == image)
                slot = art::Drawn({e.width, e.height}, e.draw);
    return slot;
}

} // namespace tweaks
