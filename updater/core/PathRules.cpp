#include "updater/core/PathRules.h"

#include "ui/core/FileNameRules.h"

#include <algorithm>
#include <vector>

namespace pathrules {

using filenamerules::EqualIgnoringAsciiCase;

namespace {

bool IsDriveLetter(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// A name as it stands in a path: not empty, no device, no character a file name may not hold.
bool IsPlainName(std::wstring_view name)
{
    if (name.empty() || name == L"." || name == L".." || filenamerules::IsDeviceName(name))
        return false;
    for (const wchar_t c : name)
        if (filenamerules::IsForbiddenInName(c))
            return false;
    return true;
}

} // namespace

std::optional<std::wstring> NormalizePath(std::wstring_view path)
{
    std::wstring text(path);
    for (wchar_t& c : text)
        if (c == L'/')
            c = L'\\';

    // The root that ".." cannot leave: "c:" or "\\server\share".
    std::wstring normalized;
    std::wstring_view rest;
    if (text.size() >= 3 && IsDriveLetter(text[0]) && text[1] == L':' && text[2] == L'\\') {
        normalized = text.substr(0, 2);
        rest = std::wstring_view(text).substr(3);
    } else if (text.starts_with(L"\\\\")) {
        const std::wstring_view unc = std::wstring_view(text).substr(2);
        const size_t server = unc.find(L'\\');
        if (server == std::wstring_view::npos)
            return std::nullopt;
        const size_t share = std::min(unc.find(L'\\', server + 1), unc.size());
        if (!IsPlainName(unc.substr(0, server)) || !IsPlainName(unc.substr(server + 1, share - server - 1)))
            return std::nullopt;
        normalized = L"\\\\" + std::wstring(unc.substr(0, share));
        rest = unc.substr(std::min(share + 1, unc.size()));
    } else {
        return std::nullopt;
    }

    std::vector<std::wstring_view> names;
    size_t start = 0;
    while (start <= rest.size()) {
        const size_t end = std::min(rest.find(L'\\', start), rest.size());
        std::wstring_view name = rest.substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == L".")
            continue;
        if (name == L"..") {
            if (names.empty())
                return std::nullopt;
            names.pop_back();
            continue;
        }
        while (!name.empty() && (name.back() == L'.' || name.back() == L' '))
            name.remove_suffix(1);
        if (!IsPlainName(name))
            return std::nullopt;
        names.push_back(name);
    }

    for (const std::wstring_view name : names) {
        normalized += L'\\';
        normalized += name;
    }
    if (names.empty() && normalized.size() == 2)
        normalized += L'\\';
    return normalized;
}

bool IsInsideFolder(std::wstring_view path, std::wstring_view folder)
{
    const size_t prefix = folder.size() + (folder.ends_with(L'\\') ? 0 : 1);
    return path.size() > prefix && EqualIgnoringAsciiCase(path.substr(0, folder.size()), folder) &&
           path[prefix - 1] == L'\\';
}

} // namespace pathrules
