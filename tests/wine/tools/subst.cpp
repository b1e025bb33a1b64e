// subst for the test prefix, whose own subst is a stub that maps nothing. Like
// Windows' subst it maps and unmaps a drive letter with DefineDosDevice and
// ends with 1 when it refuses:
//   subst X: <folder>     subst X: /D
#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <string>

namespace {

int Refuse(const wchar_t* why, const wchar_t* what)
{
    std::fwprintf(stderr, L"%ls - %ls\n", why, what);
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return Refuse(L"Incorrect number of parameters", argc > 1 ? argv[1] : L"");
    const std::wstring letter = argv[1];
    if (letter.size() != 2 || letter[1] != L':' || !std::iswalpha(letter[0]))
        return Refuse(L"Invalid parameter", letter.c_str());

    wchar_t target[MAX_PATH] = L"";
    const bool substituted =
        ::QueryDosDeviceW(letter.c_str(), target, MAX_PATH) != 0 && std::wcsncmp(target, L"\\??\\", 4) == 0;
    if (_wcsicmp(argv[2], L"/D") == 0) {
        if (!substituted)
            return Refuse(L"Invalid parameter", letter.c_str());
        return ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, letter.c_str(), nullptr) ? 0 : 1;
    }
    const DWORD inUse = ::GetLogicalDrives() & (1u << (std::towupper(letter[0]) - L'A'));
    if (substituted || inUse)
        return Refuse(L"Drive already SUBSTed", letter.c_str());
    const DWORD attributes = ::GetFileAttributesW(argv[2]);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Refuse(L"Path not found", argv[2]);
    return ::DefineDosDeviceW(0, letter.c_str(), argv[2]) ? 0 : 1;
}
