#pragma once
// Writing the utilities' batch files, and the system's words for what failed.
#include <windows.h>

#include <string>

// What writing a batch file does to a file that has its name already.
enum class ExistingFile { Replace, Keep };

// Writes the text as ANSI into a new file; false when it could not be written
// whole (no file of ours is left then), or when a file of that name exists and
// is to be kept.
bool WriteBatchFile(const std::wstring& path, const std::wstring& text, ExistingFile existing);

// The system's message for an error number, without its line end.
std::wstring SystemErrorText(DWORD error);
