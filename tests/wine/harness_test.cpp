// Checks the Wine harness itself: tests run from a drive letter that maps the
// build folder, and nothing in the prefix reaches the host's root or home.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

wchar_t UpperLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool IsDriveLetter(wchar_t c) {
    const wchar_t upper = UpperLetter(c);
    return upper >= L'A' && upper <= L'Z';
}

DWORD DriveBit(wchar_t letter) {
    return DWORD{1} << (UpperLetter(letter) - L'A');
}

std::wstring Root(wchar_t letter) {
    return std::wstring{letter, L':', L'\\'};
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class HarnessTest : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = ModulePath();
        ASSERT_GE(module_.size(), 4u) << "GetModuleFileNameW failed: " << GetLastError();
        drive_ = module_[0];
    }

    std::wstring module_;
    wchar_t drive_ = L'\0';
};

}  // namespace

TEST_F(HarnessTest, ModulePathIsOnADriveLetter) {
    // A program outside every drive gets \\?\unix\... from Wine, and code
    // that splits paths at "X:\" would misbehave on it.
    EXPECT_NE(module_.rfind(L"\\\\", 0), 0u) << module_;
    EXPECT_TRUE(IsDriveLetter(module_[0])) << module_;
    EXPECT_EQ(module_[1], L':') << module_;
    EXPECT_EQ(module_[2], L'\\') << module_;
    EXPECT_NE(UpperLetter(drive_), L'Z') << "ran from the host's root drive: " << module_;
    EXPECT_NE(UpperLetter(drive_), L'C') << "ran from inside the prefix: " << module_;
}

TEST_F(HarnessTest, HostRootIsNotADrive) {
    EXPECT_EQ(GetLogicalDrives() & DriveBit(L'Z'), 0u);
    EXPECT_EQ(GetDriveTypeW(L"Z:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    EXPECT_FALSE(Exists(L"Z:\\"));
}

TEST_F(HarnessTest, OnlySystemAndBuildDrivesExist) {
    EXPECT_EQ(GetLogicalDrives(), DriveBit(L'C') | DriveBit(drive_));
}

TEST_F(HarnessTest, NoDriveReachesHostFiles) {
    const DWORD drives = GetLogicalDrives();
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        if ((drives & DriveBit(letter)) == 0) {
            continue;
        }
        const std::wstring root = Root(letter);
        EXPECT_FALSE(Exists(root + L"etc\\passwd")) << root;
        // ".." stops at a drive's root rather than climbing the Unix tree.
        EXPECT_FALSE(Exists(root + L"..\\..\\..\\..\\..\\..\\etc\\passwd")) << root;
    }
}

TEST_F(HarnessTest, BuildDriveMapsTheBuildFolder) {
    const std::wstring root = Root(drive_);
    const UINT type = GetDriveTypeW(root.c_str());
    EXPECT_NE(type, static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    EXPECT_NE(type, static_cast<UINT>(DRIVE_UNKNOWN));
    EXPECT_TRUE(Exists(root + L"CMakeCache.txt")) << root << " is not the build folder";
}

TEST_F(HarnessTest, ModuleDirectoryHoldsTheTestProgram) {
    const std::wstring::size_type slash = module_.find_last_of(L'\\');
    ASSERT_NE(slash, std::wstring::npos);
    const std::wstring directory = module_.substr(0, slash + 1);
    const std::wstring name = module_.substr(slash + 1);

    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileW((directory + L"*.exe").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE) << directory;
    bool listed = false;
    do {
        listed = listed || lstrcmpiW(found.cFileName, name.c_str()) == 0;
    } while (FindNextFileW(find, &found));
    FindClose(find);
    EXPECT_TRUE(listed) << name << " not found in " << directory;
}

TEST_F(HarnessTest, TheProfilesFoldersAreNoLinksToTheHostsHome) {
    wchar_t profile[MAX_PATH] = L"";
    ASSERT_GT(GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH), 0u);
    for (const wchar_t* name : {L"Desktop", L"Documents", L"Downloads", L"Music", L"Pictures", L"Videos"}) {
        const std::wstring folder = std::wstring(profile) + L"\\" + name;
        const DWORD attributes = GetFileAttributesW(folder.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            continue;
        }
        // Wine shows a symbolic link to a folder as a reparse point.
        EXPECT_EQ(attributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << "a link: " << std::string(folder.begin(), folder.end());
    }
}
