#include "tests/wine/support/PlantedTools.h"

#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/TestSupport.h"
#include "ui/SystemFolders.h"

#include <gtest/gtest.h>

namespace testing_support {

namespace {

std::wstring Note(const std::wstring& copy)
{
    return copy + L".ran";
}

void Plant(const std::wstring& copy)
{
    const std::wstring noter = TestProgramFolder() + L"\\test-tools\\noter.exe";
    EXPECT_TRUE(::CopyFileW(noter.c_str(), copy.c_str(), FALSE)) << "cannot plant " << ::testing::PrintToString(copy);
    ::DeleteFileW(Note(copy).c_str());
}

void Remove(const std::vector<std::wstring>& copies)
{
    for (const std::wstring& copy : copies) {
        ::DeleteFileW(copy.c_str());
        ::DeleteFileW(Note(copy).c_str());
    }
}

std::wstring Variable(const wchar_t* name)
{
    std::wstring value(32767, L'\0');
    value.resize(::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

} // namespace

PlantedTools::PlantedTools(std::initializer_list<const wchar_t*> names)
    : savedFolder_(std::wstring(MAX_PATH, L'\0')), savedPath_(Variable(L"PATH"))
{
    savedFolder_.resize(::GetCurrentDirectoryW(MAX_PATH, savedFolder_.data()));
    const std::wstring current = FreshFolder(L"planted-current");
    const std::wstring onPath = FreshFolder(L"planted-on-path");
    for (const std::wstring& folder : {current, onPath, TestProgramFolder()})
        for (const wchar_t* name : names) {
            elsewhere_.push_back(folder + L"\\" + name);
            Plant(elsewhere_.back());
        }
    ::SetCurrentDirectoryW(current.c_str());
    ::SetEnvironmentVariableW(L"PATH", (onPath + L";" + savedPath_).c_str());
}

PlantedTools::~PlantedTools()
{
    ::SetCurrentDirectoryW(savedFolder_.c_str());
    ::SetEnvironmentVariableW(L"PATH", savedPath_.c_str());
    Remove(elsewhere_);
    Remove(inSystemFolder_);
    RemoveTree(TestProgramFolder() + L"\\planted-current");
    RemoveTree(TestProgramFolder() + L"\\planted-on-path");
}

void PlantedTools::PlantInSystemFolder(const wchar_t* name)
{
    inSystemFolder_.push_back(systemfolders::InSystem(name));
    Plant(inSystemFolder_.back());
}

bool PlantedTools::RanInSystemFolder(const wchar_t* name) const
{
    return FileExists(Note(systemfolders::InSystem(name)));
}

std::vector<std::wstring> PlantedTools::RanElsewhere() const
{
    std::vector<std::wstring> ran;
    for (const std::wstring& copy : elsewhere_)
        if (FileExists(Note(copy)))
            ran.push_back(copy);
    return ran;
}

} // namespace testing_support
