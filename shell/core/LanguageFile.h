#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace language {

enum class ParseError { None, LineWithoutBlank, NotANumber, NumberOutOfRange };

// A language file read once. Every lookup reads to the end of the file, so one
// bad line anywhere fails them all: on an error the table is left empty.
struct ParsedFile {
    ParseError error = ParseError::None;  // the first bad line decides
    std::size_t errorLine = 0;            // 1-based, empty lines counted; 0 without error
    std::unordered_map<std::int16_t, std::string> texts;  // last line with a number wins; ANSI bytes
};

// Whether a language file's name, as stored or chosen in the list, names a file
// in the program folder and nothing else: not empty, no folder part (a slash or
// backslash, a colon, two dots), no wildcard or other character no file name
// may hold, and no device, whatever its case, extension or blanks (a device
// such as COM1 may never answer a read).
bool IsPlainFileName(std::wstring_view name);

// The largest language file that is read. The shipped ones hold a few
// kilobytes; this leaves room for any translation, while a huge file, or one
// that keeps growing, cannot take the memory of every start.
inline constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;

// The text shown for a number whose line carries no text.
inline constexpr std::string_view kEmptyTextMarker = "??????";

// Lines end at CR LF or a lone CR; a lone LF stays part of the line.
ParsedFile Parse(std::string_view bytes);

// "" for a number no line carries, kEmptyTextMarker for one with an empty text.
// A file that failed to parse has no texts; the caller checks error first.
std::string Lookup(const ParsedFile& file, std::int16_t number);

// A message text with "%1" to "%9" replaced by the inserts in order, so that a
// translation may put them where its language wants them, and "%n" by a line
// break, which a line of a language file cannot hold. A marker without an
// insert stays as it is, and an insert is never read for markers itself.
std::wstring FillInserts(std::wstring_view text, const std::vector<std::wstring>& inserts);

} // namespace language
