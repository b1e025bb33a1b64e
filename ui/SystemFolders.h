#pragma once
// Where the programs find what they start and load: the system's own folders,
// never the current folder, PATH or the folder beside the program, which any
// program of the user may fill.
#include <windows.h>

#include <string>
#include <string_view>

namespace systemfolders {

// The system folder (System32), without a closing backslash.
std::wstring System();
// The machine's Windows folder; on a terminal server not the user's own copy.
std::wstring Windows();
// A file of the system folder by its full path.
std::wstring InSystem(std::wstring_view fileName);

// A Windows tool by its full path: the system folder's file, or where the
// machine registered the tool under App Paths (HKEY_LOCAL_MACHINE only) when
// the system folder lacks it, as Windows XP does msinfo32. The system folder's
// path when neither has it, so that starting it fails as for a missing tool.
std::wstring Tool(std::wstring_view fileName);

// Takes the current folder out of the DLL search for the rest of the run and,
// where the system can (Windows 7 with its update, and later), PATH and the
// program's own folder too: a DLL named without a path then comes from the
// system folder alone.
void NarrowDllSearch();

// Loads a DLL by its full path; the DLLs it needs in turn come from its own
// folder first, then from the system folder.
HMODULE LoadDll(const std::wstring& path);

} // namespace systemfolders
