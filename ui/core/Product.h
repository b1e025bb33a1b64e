#pragma once
// Fixed texts of the product that no language file changes.

namespace product {

inline constexpr wchar_t Title[] = L"Brevantor";
// The maker's web site: as the main window shows it, and as it is opened.
inline constexpr wchar_t MakerWebSite[] = L"www.qorsoft.example";
inline constexpr wchar_t MakerWebAddress[] = L"http://www.qorsoft.example/";
inline constexpr wchar_t SupportForumAddress[] = L"http://forum.qorsoft.example/";

} // namespace product
