#pragma once
// The file splitter's arithmetic and names: the part size from the size box,
// the parts' names beside the source and the name of the joining batch file.
#include <cstdint>
#include <string>
#include <string_view>

namespace split {

// 1.44 MB floppy disk: 1400 KB.
inline constexpr std::int64_t FloppyPartSize = 1400 * 1024;

// The number that the text starts with, BASIC's Val way: blanks anywhere are
// skipped, then an optional sign, digits, a decimal point and more digits;
// reading stops at the first character that cannot continue the number, and
// text without one gives 0.
double LeadingNumber(std::wstring_view text);

// A typed size in KB as whole bytes, rounded half to even; sizes beyond what
// 64 bits hold are held at the largest one.
std::int64_t KilobytesToBytes(double kilobytes);

// The source's path up to and including the last "." of its file name, or the
// whole path and "." when the name holds none: the parts lie beside the file.
std::wstring GetPartPrefix(std::wstring_view path);
// Part `number` (from 1): the prefix and the number with at least three digits.
std::wstring PartName(std::wstring_view prefix, std::uint64_t number);
// The prefix and "bat".
std::wstring BatchFileName(std::wstring_view prefix);
// What follows the last "\" or "/" of the path (the whole path when it has none).
std::wstring GetFileTitleOf(std::wstring_view path);

// The number of parts of `partSize` bytes (the last holds the rest); partSize > 0.
std::uint64_t PartCount(std::uint64_t total, std::uint64_t partSize);

// Whether one of the split's own files, a part or the batch file, would have
// the source's name and so replace the source while it is read.
bool ReplacesSource(std::wstring_view source, std::uint64_t partCount);

} // namespace split
