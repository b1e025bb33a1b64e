// Another program on the same machine, for the update tests: the test FTP
// server starts it while the update program downloads, and it acts on the
// download folder as any account could.
//   skyvell_intruder.exe <report file> <action> <path> [<target>]
// Actions: plant (writes a new file at path), overwrite (writes into the
// existing file at path, then tries to delete it), move (renames the folder at
// path to target), hardlink (makes path a hard link to target). Appends one
// line per attempt to the report: "<attempt> done" or "<attempt> refused".
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

FILE* report = nullptr;

void Report(const wchar_t* attempt, bool done)
{
    std::fwprintf(report, L"%ls %ls\n", attempt, done ? L"done" : L"refused");
}

bool WriteNew(const std::wstring& path, DWORD disposition)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    static const char text[] = "written by another program";
    DWORD written = 0;
    const bool ok = ::WriteFile(file, text, sizeof text - 1, &written, nullptr) != FALSE;
    ::CloseHandle(file);
    return ok;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4)
        return 2;
    report = _wfopen(argv[1], L"a");
    if (!report)
        return 2;
    const std::wstring action = argv[2];
    const std::wstring path = argv[3];
    const std::wstring target = argc > 4 ? argv[4] : L"";
    if (action == L"plant") {
        Report(L"plant", WriteNew(path, CREATE_ALWAYS));
    } else if (action == L"overwrite") {
        Report(L"overwrite", WriteNew(path, OPEN_EXISTING));
        Report(L"delete", ::DeleteFileW(path.c_str()) != FALSE);
    } else if (action == L"move") {
        Report(L"move", ::MoveFileExW(path.c_str(), target.c_str(), 0) != FALSE);
    } else if (action == L"hardlink") {
        Report(L"hardlink", ::CreateHardLinkW(path.c_str(), target.c_str(), nullptr) != FALSE);
    } else {
        std::fclose(report);
        return 2;
    }
    std::fclose(report);
    return 0;
}
