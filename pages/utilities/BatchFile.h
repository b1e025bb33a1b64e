#pragma once
// Writing the utilities' batch files, and the system's words for what failed.
#include "ui/win/Handles.h"

#include <windows.h>

#include <string>

// Writes the text as ANSI into a new file; false when a file of that name
// exists or it could not be written whole (no file of ours is left then).
bool WriteBatchFile(const std::wstring& path, const std::wstring& text);

// Writes the text as ANSI into a new file in place of whatever had the name:
// a file's name goes (its other names and a link's target stay as they are).
// The file stays open until the handle closes, readable by the command
// interpreter but closed to writing, renaming and deleting, so that what runs
// is what was written. An empty handle when it could not be written whole.
win::unique_hfile WriteHeldBatchFile(const std::wstring& path, const std::wstring& text);

// The system's message for an error number, without its line end.
std::wstring SystemErrorText(DWORD error);
