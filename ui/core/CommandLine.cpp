#include "ui/core/CommandLine.h"

#include "ui/core/FileNameRules.h"

#include <algorithm>

namespace commandline {

bool IsFullPath(std::wstring_view path)
{
    const bool drive = path.size() >= 3 && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
                       path[1] == L':' && path[2] == L'\\';
    if (drive)
        return true;
    // A share: a server name, then a share name.
    if (path.substr(0, 2) != L"\\\\" || path.size() < 3 || path[2] == L'?' || path[2] == L'.' || path[2] == L'\\')
        return false;
    const std::size_t shareStart = path.find(L'\\', 2);
    return shareStart != std::wstring_view::npos && shareStart + 1 < path.size() && path[shareStart + 1] != L'\\';
}

std::wstring Quoted(std::wstring_view argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring_view::npos)
        return std::wstring(argument);
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count as escapes only before a quote.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    // Before the closing quote too: "C:\" would read as C:" and what follows.
    quoted.append(backslashes * 2, L'\\');
    return quoted + L'"';
}

std::wstring Line(std::wstring_view program, std::wstring_view arguments)
{
    std::wstring line = Quoted(program);
    if (!arguments.empty())
        line += L' ' + std::wstring(arguments);
    return line;
}

std::optional<std::wstring> ExpandKnown(std::wstring_view text, const Variables& known)
{
    std::wstring expanded;
    while (!text.empty()) {
        const std::size_t start = text.find(L'%');
        expanded += text.substr(0, start);
        if (start == std::wstring_view::npos)
            break;
        const std::size_t end = text.find(L'%', start + 1);
        if (end == std::wstring_view::npos)
            return std::nullopt;
        const std::wstring_view name = text.substr(start + 1, end - start - 1);
        const auto value = std::find_if(known.begin(), known.end(), [name](const auto& variable) {
            return filenamerules::EqualIgnoringAsciiCase(variable.first, name);
        });
        if (name.empty() || value == known.end())
            return std::nullopt;
        expanded += value->second;
        text.remove_prefix(end + 1);
    }
    return expanded;
}

} // namespace commandline
