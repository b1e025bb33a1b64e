#include "pages/utilities/FilePictures.h"

namespace filepictures {

using namespace art;

namespace {

constexpr Rgb FolderLight = Hex(0xFFE48A);
constexpr Rgb FolderDark = Hex(0xE0A526);
constexpr Rgb FolderEdge = Hex(0x9A6A10);

void DrawOpenFolder(Canvas& c)
{
    // The back with its tab, a sheet sticking out, then the front flap tilted open.
    const Shape back = Union({Box(3, 7, 27, 25, 1.5f), Box(3, 4, 12, 9, 1.5f)});
    c.Fill(Move(back, 0, 1), Solid(kNavy), 0.2f, 2);
    c.Fill(back, Vert(FolderDark, Hex(0xC98D1A), 4, 25));
    c.Fill(Outline(back, 1), Solid(FolderEdge), 0.8f);
    const Shape sheet = Box(7, 9, 24, 22, 0.5f);
    c.Fill(sheet, Solid(kWhite));
    c.Fill(Outline(sheet, 1), Solid(kFrame));
    for (float y = 12; y < 19; y += 3)
        c.Fill(Box(10, y, 21, y + 1), Solid(kMist));
    const Shape flap = Poly({{6, 13}, {31, 13}, {27, 25}, {3, 25}});
    c.Fill(flap, Vert(FolderLight, FolderDark, 13, 25));
    c.Fill(Outline(flap, 1), Solid(FolderEdge), 0.9f);
    c.Fill(Box(7, 14, 29, 15), Solid(kWhite), 0.6f);
}

void DrawShredder(Canvas& c)
{
    const float w = c.W();
    c.Fill(Ellipse(w / 2, 104, 44, 5), Solid(kNavy), 0.18f, 5);
    // The sheet going in at the top, with its lines of text.
    const Shape sheet = Box(26, 2, 70, 40, 1);
    c.Fill(Move(sheet, 1, 1), Solid(kNavy), 0.15f, 2);
    c.Fill(sheet, Vert(kWhite, kIce, 2, 40));
    c.Fill(Outline(sheet, 1), Solid(kFrame));
    for (float y = 9; y < 36; y += 5)
        c.Fill(Box(32, y, y > 30 ? 52 : 64, y + 1.5f), Solid(kSteel), 0.55f);
    // The machine: a rounded body with a glossy top and a slot.
    const Shape body = Box(8, 30, 88, 66, 6);
    c.Fill(Move(body, 0, 2), Solid(kNavy), 0.3f, 3);
    c.Fill(body, Vert(Hex(0x4A92EA), kNavy, 30, 66));
    c.Fill(Intersect(body, Box(8, 30, 88, 46)), Vert(Ink(kWhite, 0.45f), Ink(kWhite, 0.05f), 30, 46));
    c.Fill(Outline(body, 1), Solid(kNavy), 0.8f);
    c.Fill(Box(20, 36, 76, 40, 2), Solid(Hex(0x061A3D)));
    c.Fill(Circle(78, 55, 4), Radial(Hex(0x9CF29A), Hex(0x1E8C2E), 77, 54, 4));
    // The strips falling out below, each a little longer or shorter.
    for (int i = 0; i < 8; ++i) {
        const float x = 24 + 6.5f * float(i);
        const float length = 30 + 6 * float((i * 5) % 3);
        const Shape strip = Box(x, 66, x + 4, 66 + length, 0.5f);
        c.Fill(strip, Vert(kWhite, kIce, 66, 66 + length));
        c.Fill(Outline(strip, 0.8f), Solid(kFrame));
        c.Fill(Box(x + 1, 70 + 4 * float(i % 3), x + 3, 72 + 4 * float(i % 3)), Solid(kSteel), 0.5f);
    }
}

} // namespace

Picture OpenFolder()
{
    static const Picture picture = Drawn({32, 28}, DrawOpenFolder);
    return picture;
}

Picture Shredder()
{
    static const Picture picture = Drawn({96, 112}, DrawShredder);
    return picture;
}

} // namespace filepictures
