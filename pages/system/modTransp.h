#pragma once
// See-through windows.
#include <windows.h>

#include <cstdint>

// Result codes of SetTransparency.
enum : std::int32_t { TransparencyDone = 0, TransparencyOutOfRange = 1, TransparencyFailed = 2 };

// Makes the window a layered window drawn with the given opacity (0..255).
std::int32_t SetTransparency(HWND hwnd, std::int16_t alpha);
