#include "updater/modPaths.h"

#include "updater/core/PathRules.h"

#include <windows.h>

#include <vector>

namespace modPaths {

namespace {

// The long name of a path that exists; nothing when it does not.
std::optional<std::wstring> LongName(const std::wstring& path)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetLongPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::nullopt;
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(length);
    }
}

// A plain path with the short names of its existing part expanded; the part
// that does not exist yet, such as a file still to be downloaded, stays.
std::optional<std::wstring> LongForm(const std::wstring& path)
{
    // "c:\" has no name to expand.
    for (size_t end = path.size(); end != std::wstring::npos && end > 3; end = path.rfind(L'\\', end - 1)) {
        if (const std::optional<std::wstring> head = LongName(path.substr(0, end)))
            return pathrules::NormalizePath(*head + path.substr(end));
    }
    return path;
}

} // namespace

std::optional<std::wstring> FileInside(const std::wstring& path, const std::wstring& folder)
{
    const std::optional<std::wstring> plainPath = pathrules::NormalizePath(path);
    const std::optional<std::wstring> plainFolder = pathrules::NormalizePath(folder);
    if (!plainPath || !plainFolder)
        return std::nullopt;
    const std::optional<std::wstring> file = LongForm(*plainPath);
    const std::optional<std::wstring> within = LongForm(*plainFolder);
    if (!file || !within || !pathrules::IsInsideFolder(*file, *within))
        return std::nullopt;
    return file;
}

} // namespace modPaths
