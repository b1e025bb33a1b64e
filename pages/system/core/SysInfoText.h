#pragma once
// The texts of the system overview: the display figures and the name and
// version of Windows, made from the numbers the system reports.
#include <cstdint>
#include <string>
#include <string_view>

namespace sysinfo {

// "1024 x 768 Pixel".
std::wstring ResolutionText(int horizontal, int vertical);

// The bits per pixel, two blanks and the colour count in digit groups of
// three: "8  (256 Farben)", "32  (4,294,967,296 Farben)" with "," as separator.
std::wstring ColourDepthText(int bitsPerPixel, std::wstring_view thousandsSeparator);

// " 60 Hz"; a rate below 2 means the hardware's default: "(Hardware-Default)".
std::wstring RefreshRateText(int hertz);

// The fields of the system's version record that the Windows text uses.
struct VersionFields {
    std::uint32_t platform = 0;  // 0 Win32s, 1 Windows 9x, 2 NT family
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::wstring servicePack;    // up to its first NUL
};

// The edition that the product type of an NT system without the extended
// version record names: " Professional", " Server", " Advanced Server" or "".
std::wstring EditionFromProductType(std::wstring_view productType);

// Name, edition and, on the NT family, version and build:
// "Microsoft Windows XP (Version Service Pack 1 Build 2600)".
std::wstring WindowsText(const VersionFields& version, std::wstring_view edition);

} // namespace sysinfo
