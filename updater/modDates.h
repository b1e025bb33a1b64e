#pragma once
// The date texts of the per-file check: the server's file is dated by its
// last write, the local one by its creation, both as "yyyy/mm/dd hh:nn" in
// the locale's separators.
#include <windows.h>

#include <string>

namespace modDates {

// "" when the time cannot be converted.
std::wstring FileTimeToText(const FILETIME& fileTime);
// The text of a local file's creation time; "" when there is no such file.
std::wstring GetFileDateText(const std::wstring& path);
// Moves a UTC hour into the local zone (whole hours only).
void ToLocalHour(int& hour);

} // namespace modDates
