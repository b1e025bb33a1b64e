#include "shell/core/LanguageFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool SameResult(const language::ParsedFile& a, const language::ParsedFile& b)
{
    return a.error == b.error && a.errorLine == b.errorLine && a.texts == b.texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const language::ParsedFile file = language::Parse(input);

    if (file.error != language::ParseError::None) {
        // A failed file answers nothing, whichever number is asked.
        Check(file.errorLine >= 1);
        Check(file.texts.empty());
        Check(language::Lookup(file, 1000).empty());
    } else {
        Check(file.errorLine == 0);
        for (const auto& [number, text] : file.texts) {
            // A text is the tail of one line: inside the input, never across a line end.
            Check(text.size() <= size);
            Check(text.find('\r') == std::string::npos);
            Check(input.find(text) != std::string_view::npos);
            const std::string shown = language::Lookup(file, number);
            Check(shown == (text.empty() ? std::string(language::kEmptyTextMarker) : text));
        }
    }

    // A number no line carries gives "".
    for (const std::int16_t number : {std::int16_t{-32768}, std::int16_t{0}, std::int16_t{1000}, std::int16_t{32767}}) {
        if (file.texts.find(number) == file.texts.end())
            Check(language::Lookup(file, number).empty());
    }

    // Ending the last line, or adding an empty line after it, changes nothing.
    Check(SameResult(file, language::Parse(std::string(input) + "\r\n")));
    return 0;
}
