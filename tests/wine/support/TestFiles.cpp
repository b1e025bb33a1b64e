#include "tests/wine/support/TestFiles.h"

#include "tests/wine/support/TestSupport.h"
#include "ui/win/Handles.h"

#include <gtest/gtest.h>

#include <random>

namespace testing_support {

std::wstring FreshFolder(const std::wstring& name)
{
    const std::wstring folder = TestProgramFolder() + L"\\" + name;
    RemoveTree(folder);
    EXPECT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr)) << "cannot create the scratch folder";
    return folder;
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    win::unique_hfile file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot create a test file";
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
}

std::string ReadBytes(const std::wstring& path)
{
    win::unique_hfile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    if (!file)
        return {};
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file.get(), &size);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return {};
    bytes.resize(read);
    return bytes;
}

bool FileExists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string PseudoRandomBytes(std::size_t count, std::uint32_t seed)
{
    std::mt19937 engine(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(engine() & 0xFF);
    return bytes;
}

} // namespace testing_support
