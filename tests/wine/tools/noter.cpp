// A program that tests plant under the name of a tool, wherever a careless
// start would find it: it only notes that it ran, in "<its own path>.ran",
// and ends.
#include <windows.h>

int wmain()
{
    wchar_t path[MAX_PATH + 8] = L"";
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    ::lstrcatW(path, L".ran");
    const HANDLE note = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (note == INVALID_HANDLE_VALUE)
        return 1;
    ::CloseHandle(note);
    return 0;
}
