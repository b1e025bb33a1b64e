#include "shell/Artwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace {

using art::ImageId;

struct Expected {
    ImageId id;
    int width, height;
    const char* name;
    bool onWhite;  // shown on a white page: corners white, dark ink inside
};

// The sizes the forms lay their pictures out for.
constexpr Expected kImages[] = {
    {ImageId::TitleStrip, 626, 31, "TitleStrip", false},
    {ImageId::MinimiseUp, 13, 14, "MinimiseUp", false},
    {ImageId::MinimiseDown, 13, 14, "MinimiseDown", false},
    {ImageId::CloseUp, 14, 14, "CloseUp", false},
    {ImageId::CloseDown, 14, 14, "CloseDown", false},
    {ImageId::SmallMakerLogo, 116, 31, "SmallMakerLogo", true},
    {ImageId::LeftPanel, 195, 279, "LeftPanel", false},
    {ImageId::Banner, 227, 70, "Banner", false},
    {ImageId::BottomStrip, 626, 15, "BottomStrip", false},
    {ImageId::EdgeLeft, 2, 209, "EdgeLeft", false},
    {ImageId::EdgeRight, 2, 209, "EdgeRight", false},
    {ImageId::EdgeBottom, 209, 2, "EdgeBottom", false},
    {ImageId::Bullet, 16, 24, "Bullet", true},
    {ImageId::StartLogo, 290, 246, "StartLogo", true},
    {ImageId::ProductLogoSmall, 118, 53, "ProductLogoSmall", true},
    {ImageId::Cleaner, 121, 63, "Cleaner", true},
    {ImageId::Cache, 133, 53, "Cache", true},
    {ImageId::Ram, 122, 58, "Ram", true},
    {ImageId::Overview, 125, 57, "Overview", true},
    {ImageId::Status, 106, 56, "Status", true},
    {ImageId::Boot, 143, 54, "Boot", true},
    {ImageId::Customization, 108, 55, "Customization", true},
    {ImageId::General, 62, 52, "General", true},
    {ImageId::Antispy, 57, 57, "Antispy", true},
    {ImageId::Passgen, 157, 58, "Passgen", true},
    {ImageId::Splitter, 86, 49, "Splitter", true},
    {ImageId::Shredder, 108, 52, "Shredder", true},
    {ImageId::Glass, 129, 58, "Glass", true},
    {ImageId::Synch, 167, 62, "Synch", true},
    {ImageId::VDrive, 96, 48, "VDrive", true},
    {ImageId::Hider, 107, 56, "Hider", true},
    {ImageId::Utilities, 57, 44, "Utilities", true},
    {ImageId::Skyvell, 81, 76, "Skyvell", true},
    {ImageId::Help, 66, 74, "Help", true},
    {ImageId::Language, 84, 81, "Language", true},
    {ImageId::AntispyLogo, 118, 53, "AntispyLogo", true},
    {ImageId::AntispyDecor, 96, 96, "AntispyDecor", true},
    {ImageId::AboutLogo, 192, 93, "AboutLogo", false},
};

constexpr std::uint32_t kWhite = 0xFFFFFF;

// The bitmap's pixels as 0xRRGGBB, rows top down.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(std::size_t(width * height));
    win::unique_hdc dc(::CreateCompatibleDC(nullptr));
    EXPECT_EQ(::GetDIBits(dc.get(), bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS), height);
    for (std::uint32_t& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

std::vector<std::uint32_t> Pixels(ImageId id)
{
    const art::Picture picture = art::Get(id);
    return Pixels(picture->Handle(), picture->Size().cx, picture->Size().cy);
}

TEST(Artwork, EveryImageHasItsSizeAndIsDrawn)
{
    for (const Expected& e : kImages) {
        SCOPED_TRACE(e.name);
        const art::Picture picture = art::Get(e.id);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Size().cx, e.width);
        EXPECT_EQ(picture->Size().cy, e.height);
        BITMAP info{};
        ASSERT_TRUE(::GetObjectW(picture->Handle(), sizeof info, &info));
        EXPECT_EQ(info.bmWidth, e.width);
        EXPECT_EQ(std::abs(info.bmHeight), e.height);
        EXPECT_GE(info.bmBitsPixel, 24);

        const std::vector<std::uint32_t> pixels = Pixels(picture->Handle(), e.width, e.height);
        const std::set<std::uint32_t> colours(pixels.begin(), pixels.end());
        // Gradients and smoothed edges give any real picture many shades; the
        // two-pixel border pieces have just their two lines.
        EXPECT_GE(colours.size(), std::min(e.width, e.height) > 2 ? 16u : 2u);
    }
}

TEST(Artwork, PagePicturesSitOnWhiteAndCarryDarkInk)
{
    for (const Expected& e : kImages) {
        if (!e.onWhite)
            continue;
        SCOPED_TRACE(e.name);
        const std::vector<std::uint32_t> pixels = Pixels(e.id);
        const auto at = [&](int x, int y) { return pixels[std::size_t(y * e.width + x)]; };
        EXPECT_EQ(at(0, 0), kWhite);
        EXPECT_EQ(at(e.width - 1, 0), kWhite);
        EXPECT_EQ(at(0, e.height - 1), kWhite);
        EXPECT_EQ(at(e.width - 1, e.height - 1), kWhite);
        // Captions and wordmarks are navy: some pixel must be dark in every channel.
        bool dark = false;
        for (std::uint32_t p : pixels)
            dark = dark || ((p >> 16 & 0xFF) < 0x40 && (p >> 8 & 0xFF) < 0x60 && (p & 0xFF) < 0xA0);
        EXPECT_TRUE(dark);
    }
}

TEST(Artwork, PressedButtonsDifferFromReleasedOnes)
{
    EXPECT_NE(Pixels(ImageId::MinimiseUp), Pixels(ImageId::MinimiseDown));
    EXPECT_NE(Pixels(ImageId::CloseUp), Pixels(ImageId::CloseDown));
    EXPECT_NE(Pixels(ImageId::CloseUp), Pixels(ImageId::MinimiseUp));
}

TEST(Artwork, ButtonsMatchTheTitleStripBehindTheirCorners)
{
    // The buttons sit on the strip at (584, 8) and (600, 8); their rounded
    // corners show the strip, so a seam would be visible otherwise.
    const std::vector<std::uint32_t> strip = Pixels(ImageId::TitleStrip);
    const auto stripAt = [&](int x, int y) { return strip[std::size_t(y * 626 + x)]; };
    EXPECT_EQ(Pixels(ImageId::MinimiseUp)[0], stripAt(584, 8));
    EXPECT_EQ(Pixels(ImageId::CloseDown)[13 * 14 + 13], stripAt(613, 21));
}

TEST(Artwork, GetSharesOneImagePerId)
{
    const art::Picture first = art::Get(ImageId::Bullet);
    const art::Picture second = art::Get(ImageId::Bullet);
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(first->Handle(), second->Handle());
    EXPECT_NE(art::Get(ImageId::CloseUp)->Handle(), art::Get(ImageId::CloseDown)->Handle());
}

// The icon's colour bitmap size and kind; the caller's copies of the bitmaps are freed.
struct IconFacts {
    bool ok = false;
    bool isIcon = false;
    DWORD hotX = 0, hotY = 0;
    int width = 0, height = 0;
};

IconFacts Inspect(HICON icon)
{
    IconFacts facts;
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info))
        return facts;
    win::unique_hbitmap mask(info.hbmMask), colour(info.hbmColor);
    BITMAP bitmap{};
    if (!colour || !::GetObjectW(colour.get(), sizeof bitmap, &bitmap))
        return facts;
    facts = {true, info.fIcon != FALSE, info.xHotspot, info.yHotspot, bitmap.bmWidth, bitmap.bmHeight};
    return facts;
}

TEST(Artwork, IconsAreCachedPerSize)
{
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        for (HICON icon : {art::ProgramIcon(size), art::AboutIcon(size)}) {
            const IconFacts facts = Inspect(icon);
            ASSERT_TRUE(facts.ok);
            EXPECT_TRUE(facts.isIcon);
            EXPECT_EQ(facts.width, size);
            EXPECT_EQ(facts.height, size);
        }
        EXPECT_EQ(art::ProgramIcon(size), art::ProgramIcon(size));
        EXPECT_EQ(art::AboutIcon(size), art::AboutIcon(size));
        EXPECT_NE(art::ProgramIcon(size), art::AboutIcon(size));
    }
    EXPECT_NE(art::ProgramIcon(16), art::ProgramIcon(32));
}

TEST(Artwork, LinkCursorPointsWithAnOpaqueFingertip)
{
    const HCURSOR cursor = art::LinkCursor();
    EXPECT_EQ(cursor, art::LinkCursor());
    const IconFacts facts = Inspect(cursor);
    ASSERT_TRUE(facts.ok);
    EXPECT_FALSE(facts.isIcon);
    EXPECT_EQ(facts.width, 32);
    EXPECT_EQ(facts.height, 32);
    ASSERT_LT(facts.hotX, 32u);
    ASSERT_LT(facts.hotY, 32u);

    // The hotspot lies on the drawn hand, not on a transparent pixel.
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(cursor, &info));
    win::unique_hbitmap mask(info.hbmMask), colour(info.hbmColor);
    const std::vector<std::uint32_t> transparency = Pixels(mask.get(), 32, 32);
    EXPECT_EQ(transparency[facts.hotY * 32 + facts.hotX], 0u);
}

} // namespace
