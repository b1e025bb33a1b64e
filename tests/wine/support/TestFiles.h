#pragma once
// Real files for the tests of the file utilities: scratch folders beside the
// test program, and file contents written and read back byte for byte.
#include <cstddef>
#include <cstdint>
#include <string>

namespace testing_support {

// An empty folder of that name beside the test program (what an earlier run left is removed).
std::wstring FreshFolder(const std::wstring& name);

void WriteBytes(const std::wstring& path, const std::string& bytes);
// The whole file; "" when it cannot be read.
std::string ReadBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
// Bytes of a fixed pseudo-random sequence.
std::string PseudoRandomBytes(std::size_t count, std::uint32_t seed);

} // namespace testing_support
