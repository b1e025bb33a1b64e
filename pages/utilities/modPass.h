#pragma once
// Generating password lists from a mask, with the system's cryptographic
// random numbers.
#include "ui/Controls.h"
#include "ui/ProgressBar.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace modPass {

// Passwords dropped as duplicates in the last generation.
extern std::int32_t DuplicateCount;
// Set by the stop button; cleared by the generation that acts on it.
extern bool StopRequested;

// One password for the mask ("#" a digit, "X" a capital letter).
std::wstring MakePassword(std::wstring_view mask);

// Fills the list with up to `count` passwords, dropping those equal to one
// already in it (ignoring case) when asked. Yields to the event loop after
// each password and stops early when StopRequested is set.
void GeneratePassword(ui::ListBox& list, std::int32_t count, const std::wstring& mask, ui::MBProgressBar& progress,
                      bool dropDuplicates, bool clearFirst);

} // namespace modPass
