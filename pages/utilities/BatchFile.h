#pragma once
// Writing the utilities' batch files, and the system's words for what failed.
#include <windows.h>

#include <string>

// Writes the text as ANSI into a new file (an existing one is replaced); false,
// with no file of that name left, when it could not be written whole.
bool WriteBatchFile(const std::wstring& path, const std::wstring& text);

// The system's message for an error number, without its line end.
std::wstring SystemErrorText(DWORD error);
