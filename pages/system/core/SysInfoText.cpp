#include "pages/system/core/SysInfoText.h"

#include <algorithm>

namespace sysinfo {

namespace {

std::wstring GroupedDigits(std::uint64_t value, std::wstring_view separator)
{
    const std::wstring digits = std::to_wstring(value);
    std::wstring grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

// The name of the release by the table of known versions; "" for one it does not know.
std::wstring ReleaseName(const VersionFields& v)
{
    const auto spAt = [&v](size_t index) { return index < v.servicePack.size() ? v.servicePack[index] : L'\0'; };
    switch (v.platform) {
    case 0:
        return L"Microsoft Win32s";
    case 1:
        if (v.major == 4 && v.minor == 0)
            return spAt(1) == L'C' || spAt(1) == L'B' ? L"Microsoft Windows 95 OSR 2" : L"Microsoft Windows 95";
        if (v.major == 4 && v.minor == 10)
            return spAt(0) == L'A' ? L"Microsoft Windows 98 SE" : L"Microsoft Windows 98";
        if (v.major == 4 && v.minor == 90)
            return L"Microsoft Windows ME";
        return {};
    case 2:
        if (v.major < 5)
            return L"Microsoft Windows NT";
        if (v.major == 5 && v.minor == 0)
            return L"Microsoft Windows 2000";
        if (v.major == 5 && v.minor == 1)
            return L"Microsoft Windows XP";
        // Server 2003 (and XP x64) keep to the version suffix alone. Later releases
        // are named by their version number, as the system's own "ver" does: the
        // number alone cannot tell a client from a server release.
        if (v.major == 5 && v.minor == 2)
            return {};
        return L"Microsoft Windows " + std::to_wstring(v.major) + L"." + std::to_wstring(v.minor);
    default:
        return {};
    }
}

} // namespace

std::wstring ResolutionText(int horizontal, int vertical)
{
    return std::to_wstring(horizontal) + L" x " + std::to_wstring(vertical) + L" Pixel";
}

std::wstring ColourDepthText(int bitsPerPixel, std::wstring_view thousandsSeparator)
{
    // The device reports 1 to 32; anything else is clamped to what 64 bits count.
    const int shift = std::clamp(bitsPerPixel, 0, 63);
    return std::to_wstring(bitsPerPixel) + L"  (" + GroupedDigits(std::uint64_t{1} << shift, thousandsSeparator) +
           L" Farben)";
}

std::wstring RefreshRateText(int hertz)
{
    if (hertz < 2)
        return L"(Hardware-Default)";
    return L" " + std::to_wstring(hertz) + L" Hz";
}

std::wstring EditionFromProductType(std::wstring_view productType)
{
    if (productType.find(L"WINNT") != std::wstring_view::npos)
        return L" Professional";
    if (productType.find(L"LANMANNT") != std::wstring_view::npos)
        return L" Server";
    if (productType.find(L"SERVERNT") != std::wstring_view::npos)
        return L" Advanced Server";
    return {};
}

std::wstring WindowsText(const VersionFields& version, std::wstring_view edition)
{
    std::wstring text = ReleaseName(version);
    if (version.platform != 2)
        return text;
    text += edition;
    const std::wstring build = L"Build " + std::to_wstring(version.build) + L")";
    if (version.major > 4) {
        text += version.servicePack.empty() ? L" (" : L" (Version " + version.servicePack + L" ";
        return text + build;
    }
    return text + L" (Version " + std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) + L" " +
           version.servicePack + L" " + build;
}

} // namespace sysinfo
