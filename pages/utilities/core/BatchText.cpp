#include "pages/utilities/core/BatchText.h"

namespace batch {

namespace {

// The characters that end or change an unquoted argument of the command interpreter.
constexpr std::wstring_view NeedsQuotes = L" \t&()[]{}^=;!'+,";

} // namespace

std::wstring Argument(std::wstring_view name)
{
    std::wstring text;
    for (const wchar_t c : name) {
        text += c;
        if (c == L'%')
            text += L'%';
    }
    if (name.find_first_of(NeedsQuotes) == std::wstring_view::npos)
        return text;
    return L"\"" + text + L"\"";
}

std::wstring SubstCreate(std::wstring_view letter, std::wstring_view shortPath)
{
    return std::wstring(L"@echo off") + LineEnd + L"subst " + std::wstring(letter) + L" " + Argument(shortPath) +
           LineEnd;
}

std::wstring SubstDelete(std::wstring_view letter)
{
    return std::wstring(L"@echo off") + LineEnd + L"subst " + std::wstring(letter) + L" /D" + LineEnd;
}

std::wstring JoinParts(const std::vector<std::wstring>& partNames, std::wstring_view targetName)
{
    const std::wstring target = Argument(targetName);
    std::wstring text;
    std::wstring line;
    for (const std::wstring& name : partNames) {
        const std::wstring part = Argument(name);
        if (line.empty()) {
            line = L"copy /b " + part;
            continue;
        }
        // Room for " + part" and then " target" must stay on the line.
        if (line.size() + 3 + part.size() + 1 + target.size() > MaxLineLength) {
            text += line + L" " + target + LineEnd;
            line = L"copy /b " + target + L" + " + part;
            continue;
        }
        line += L" + " + part;
    }
    if (!line.empty())
        text += line + L" " + target + LineEnd;
    return text;
}

} // namespace batch
