#include "shell/core/LanguageFile.h"

#include "ui/core/FileNameRules.h"

namespace language {

namespace {

// The text starts at the 6th byte whatever the number's width, as the files were written
// for four-digit numbers and one blank.
constexpr std::size_t kTextOffset = 5;

// The token before the first blank: an optional sign and decimal digits.
ParseError ReadNumber(std::string_view token, std::int16_t& number)
{
    bool negative = false;
    if (!token.empty() && (token.front() == '+' || token.front() == '-')) {
        negative = token.front() == '-';
        token.remove_prefix(1);
    }
    if (token.empty())
        return ParseError::NotANumber;

    // Saturate just above the largest magnitude so long digit runs cannot overflow.
    constexpr std::int32_t kCap = 32769;
    std::int32_t magnitude = 0;
    for (const char c : token) {
        if (c < '0' || c > '9')
            return ParseError::NotANumber;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kCap)
            magnitude = kCap;
    }

    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return ParseError::NumberOutOfRange;
    number = static_cast<std::int16_t>(value);
    return ParseError::None;
}

} // namespace

bool IsPlainFileName(std::wstring_view name)
{
    // Windows drops trailing dots and blanks, so a name of nothing else names the folder.
    if (name.find_last_not_of(L". ") == std::wstring_view::npos)
        return false;
    if (name.find(L"..") != std::wstring_view::npos || filenamerules::IsDeviceName(name))
        return false;
    for (const wchar_t c : name)
        if (c == L'\\' || c == L'/' || filenamerules::IsForbiddenInName(c))
            return false;
    return true;
}

ParsedFile Parse(std::string_view bytes)
{
    ParsedFile file;
    std::size_t pos = 0;
    std::size_t lineNumber = 0;
    while (pos < bytes.size()) {
        const std::size_t cr = bytes.find('\r', pos);
        const std::size_t end = cr == std::string_view::npos ? bytes.size() : cr;
        const std::string_view line = bytes.substr(pos, end - pos);
        if (cr == std::string_view::npos)
            pos = bytes.size();
        else
            pos = cr + 1 + ((cr + 1 < bytes.size() && bytes[cr + 1] == '\n') ? 1 : 0);
        ++lineNumber;

        if (line.empty())
            continue;

        const std::size_t blank = line.find(' ');
        std::int16_t number = 0;
        const ParseError error = blank == std::string_view::npos
            ? ParseError::LineWithoutBlank
            : ReadNumber(line.substr(0, blank), number);
        if (error != ParseError::None) {
            file.error = error;
            file.errorLine = lineNumber;
            file.texts.clear();
            return file;
        }

        const std::string_view text = line.size() > kTextOffset ? line.substr(kTextOffset) : std::string_view{};
        file.texts.insert_or_assign(number, std::string(text));
    }
    return file;
}

std::string Lookup(const ParsedFile& file, std::int16_t number)
{
    const auto found = file.texts.find(number);
    if (found == file.texts.end())
        return {};
    if (found->second.empty())
        return std::string(kEmptyTextMarker);
    return found->second;
}

std::wstring FillInserts(std::wstring_view text, const std::vector<std::wstring>& inserts)
{
    std::wstring filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'%' && i + 1 < text.size() && text[i + 1] == L'n') {
            filled += L"\r\n";
            ++i;
            continue;
        }
        if (text[i] == L'%' && i + 1 < text.size() && text[i + 1] >= L'1' && text[i + 1] <= L'9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - L'1');
            if (index < inserts.size()) {
                filled += inserts[index];
                ++i;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

} // namespace language
