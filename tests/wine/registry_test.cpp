// Registry service against Wine's real registry. Fixtures the service cannot
// write itself (odd types, missing or embedded NULs) go in through the API directly.
#include "shell/Registry.h"

#include "ui/win/Handles.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr wchar_t ScratchParent[] = L"Software\\BrvtTests";
const std::wstring Scratch = L"Software\\BrvtTests\\Registry";

bool KeyExists(HKEY parent, const std::wstring& path)
{
    win::unique_hkey key;
    const bool found = ::RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
    if (!found)
        key.release();
    return found;
}

// Removes a key with all its subkeys; RegDeleteTree is not available on XP.
void DeleteTree(HKEY parent, const std::wstring& path)
{
    win::unique_hkey key;
    if (::RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ | KEY_WRITE, key.put()) != ERROR_SUCCESS) {
        key.release();
        return;
    }
    for (;;) {
        wchar_t name[256];
        DWORD length = static_cast<DWORD>(std::size(name));
        if (::RegEnumKeyExW(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        DeleteTree(key.get(), name);
        if (KeyExists(key.get(), name))
            break; // give up rather than loop forever
    }
    key.reset();
    ::RegDeleteKeyW(parent, path.c_str());
}

struct RawValue {
    bool found = false;
    DWORD type = 0;
    std::vector<BYTE> bytes;
};

// Reads a value as stored, through the wide API.
RawValue ReadRawW(HKEY root, const std::wstring& path, const std::wstring& name)
{
    RawValue value;
    win::unique_hkey key;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
        key.release();
        return value;
    }
    DWORD size = 0;
    if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return value;
    value.bytes.resize(size);
    if (size > 0 && ::RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, value.bytes.data(), &size) != ERROR_SUCCESS)
        return value;
    value.bytes.resize(size);
    value.found = true;
    return value;
}

std::wstring WideText(const RawValue& value)
{
    return std::wstring(reinterpret_cast<const wchar_t*>(value.bytes.data()), value.bytes.size() / sizeof(wchar_t));
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteTree(HKEY_CURRENT_USER, Scratch);
        win::unique_hkey key;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, Scratch.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr),
                  ERROR_SUCCESS);
    }

    void TearDown() override
    {
        DeleteTree(HKEY_CURRENT_USER, Scratch);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, ScratchParent); // only goes if nothing else is left in it
    }

    static void SetRawW(const std::wstring& name, DWORD type, const void* data, DWORD size)
    {
        win::unique_hkey key;
        ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, Scratch.c_str(), 0, KEY_SET_VALUE, key.put()), ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExW(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }

    static void SetRawA(const char* name, DWORD type, const void* data, DWORD size)
    {
        win::unique_hkey key;
        ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\BrvtTests\\Registry", 0, KEY_SET_VALUE, key.put()),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }

    // Wine's Reg* functions append a NUL to REG_SZ data that lacks one, so the
    // unterminated value is written one level lower.
    static void SetUnterminatedW(const std::wstring& name, const std::wstring& text)
    {
        using NtSetValueKeyFn = LONG(WINAPI*)(HANDLE, PUNICODE_STRING, ULONG, ULONG, PVOID, ULONG);
        const auto setValue = reinterpret_cast<NtSetValueKeyFn>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtSetValueKey")));
        ASSERT_NE(setValue, nullptr);
        win::unique_hkey key;
        ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, Scratch.c_str(), 0, KEY_SET_VALUE, key.put()), ERROR_SUCCESS);
        std::wstring nameCopy = name;
        UNICODE_STRING ntName{static_cast<USHORT>(nameCopy.size() * sizeof(wchar_t)),
                              static_cast<USHORT>(nameCopy.size() * sizeof(wchar_t)), nameCopy.data()};
        std::wstring data = text;
        ASSERT_EQ(setValue(key.get(), &ntName, 0, REG_SZ, data.data(), static_cast<ULONG>(data.size() * sizeof(wchar_t))), 0);
    }

    static RawValue Raw(const std::wstring& name) { return ReadRawW(HKEY_CURRENT_USER, Scratch, name); }

    static std::wstring Get(const std::wstring& name) { return Registry::GetString(RegRoot::CurrentUser, Scratch, name, L"<default>"); }
    static std::int32_t GetD(const std::wstring& name) { return Registry::GetDword(RegRoot::CurrentUser, Scratch, name, -7); }
};

// --- GetString ---

TEST_F(RegistryTest, GetStringMissingValueOrKeyGivesDefaultAndCreatesNothing)
{
    EXPECT_EQ(Get(L"Missing"), L"<default>");
    EXPECT_EQ(Registry::GetString(RegRoot::CurrentUser, Scratch + L"\\Absent\\Deeper", L"Name", L"fallback"), L"fallback");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Scratch + L"\\Absent"));
}

TEST_F(RegistryTest, GetStringReadsTerminatedText)
{
    SetRawW(L"Text", REG_SZ, L"abc", 4 * sizeof(wchar_t));
    EXPECT_EQ(Get(L"Text"), L"abc");
}

TEST_F(RegistryTest, GetStringWithoutTerminatingNulGivesWholeData)
{
    SetUnterminatedW(L"Bare", L"abcd");
    ASSERT_EQ(Raw(L"Bare").bytes.size(), 4 * sizeof(wchar_t)); // really stored without NUL
    EXPECT_EQ(Get(L"Bare"), L"abcd");
    SetUnterminatedW(L"BareAnsi", L"Grüße");
    EXPECT_EQ(Get(L"BareAnsi"), L"Grüße");
}

TEST_F(RegistryTest, GetStringStopsAtEmbeddedNul)
{
    SetRawW(L"Split", REG_SZ, L"ab\0cd", 6 * sizeof(wchar_t));
    EXPECT_EQ(Get(L"Split"), L"ab");
}

TEST_F(RegistryTest, GetStringEmptyValuesGiveEmptyNotDefault)
{
    SetRawW(L"Empty", REG_SZ, L"", sizeof(wchar_t));
    EXPECT_EQ(Get(L"Empty"), L"");
    SetRawW(L"ZeroBytes", REG_SZ, nullptr, 0);
    ASSERT_TRUE(Raw(L"ZeroBytes").found);
    EXPECT_TRUE(Raw(L"ZeroBytes").bytes.empty());
    EXPECT_EQ(Get(L"ZeroBytes"), L"");
}

TEST_F(RegistryTest, GetStringOtherTypesGiveDefault)
{
    const DWORD number = 1;
    SetRawW(L"Dword", REG_DWORD, &number, sizeof number);
    SetRawW(L"Expand", REG_EXPAND_SZ, L"%TEMP%", 7 * sizeof(wchar_t));
    SetRawW(L"Multi", REG_MULTI_SZ, L"a\0b\0", 5 * sizeof(wchar_t));
    SetRawW(L"Binary", REG_BINARY, "abc", 4);
    for (const wchar_t* name : {L"Dword", L"Expand", L"Multi", L"Binary"})
        EXPECT_EQ(Get(name), L"<default>") << name;
}

TEST_F(RegistryTest, GetStringReadsLongText)
{
    const std::wstring text(5000, L'x');
    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"Long", text + L"end");
    EXPECT_EQ(Get(L"Long"), text + L"end");
}

TEST_F(RegistryTest, EmptyValueNameIsTheKeysDefaultValue)
{
    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"", L"unnamed");
    EXPECT_EQ(WideText(Raw(L"")), std::wstring(L"unnamed", 8));
    EXPECT_EQ(Get(L""), L"unnamed");
}

// --- SaveString ---

TEST_F(RegistryTest, SaveStringCreatesMissingPath)
{
    const std::wstring deep = Scratch + L"\\One\\Two\\Three";
    Registry::SaveString(RegRoot::CurrentUser, deep, L"Name", L"value");
    const RawValue value = ReadRawW(HKEY_CURRENT_USER, deep, L"Name");
    ASSERT_TRUE(value.found);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(WideText(value), std::wstring(L"value", 6)); // stored with its NUL
}

TEST_F(RegistryTest, SaveStringEmptyStoresOneNul)
{
    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"Empty", L"");
    win::unique_hkey key;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\BrvtTests\\Registry", 0, KEY_READ, key.put()), ERROR_SUCCESS);
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(::RegQueryValueExA(key.get(), "Empty", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(Get(L"Empty"), L"");
}

TEST_F(RegistryTest, SaveStringReplacesValueOfAnyType)
{
    Registry::SaveDword(RegRoot::CurrentUser, Scratch, L"Mixed", 42);
    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"Mixed", L"now text");
    EXPECT_EQ(Raw(L"Mixed").type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(Get(L"Mixed"), L"now text");

    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"Mixed", L"ab");
    EXPECT_EQ(WideText(Raw(L"Mixed")), std::wstring(L"ab", 3)); // shorter text leaves no tail behind
}

TEST_F(RegistryTest, AnsiTextRoundTrips)
{
    const std::wstring text = L"Grüße ÄÖÜ äöü ß é";
    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"Größe", text);
    EXPECT_EQ(Registry::GetString(RegRoot::CurrentUser, Scratch, L"Größe", L""), text);
    // The ANSI call must have been given the code page's bytes, not UTF-8.
    EXPECT_EQ(WideText(Raw(L"Größe")), text + L'\0');
}

// --- GetDword / SaveDword ---

TEST_F(RegistryTest, DwordRoundTripsExtremes)
{
    for (const std::int32_t value : {0, 1, -1, INT32_MIN, INT32_MAX}) {
        Registry::SaveDword(RegRoot::CurrentUser, Scratch, L"Number", value);
        EXPECT_EQ(GetD(L"Number"), value);
    }
}

TEST_F(RegistryTest, SaveDwordStoresFourLittleEndianBytes)
{
    Registry::SaveDword(RegRoot::CurrentUser, Scratch, L"Minus", -1);
    RawValue value = Raw(L"Minus");
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.bytes, (std::vector<BYTE>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(GetD(L"Minus"), -1);

    Registry::SaveDword(RegRoot::CurrentUser, Scratch, L"Order", 0x12345678);
    EXPECT_EQ(Raw(L"Order").bytes, (std::vector<BYTE>{0x78, 0x56, 0x34, 0x12}));
}

TEST_F(RegistryTest, SaveDwordCreatesPathAndReplacesText)
{
    const std::wstring deep = Scratch + L"\\A\\B";
    Registry::SaveDword(RegRoot::CurrentUser, deep, L"N", 5);
    EXPECT_EQ(Registry::GetDword(RegRoot::CurrentUser, deep, L"N", 0), 5);

    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"Mixed", L"1");
    Registry::SaveDword(RegRoot::CurrentUser, Scratch, L"Mixed", 9);
    EXPECT_EQ(Raw(L"Mixed").type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(GetD(L"Mixed"), 9);
}

TEST_F(RegistryTest, GetDwordMissingGivesDefaultAndCreatesNothing)
{
    EXPECT_EQ(GetD(L"Missing"), -7);
    EXPECT_EQ(Registry::GetDword(RegRoot::CurrentUser, Scratch + L"\\Absent", L"N", 123), 123);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Scratch + L"\\Absent"));
}

TEST_F(RegistryTest, GetDwordOnlyAcceptsFourByteDword)
{
    SetRawW(L"Text", REG_SZ, L"1", 2 * sizeof(wchar_t));
    const BYTE four[4] = {1, 0, 0, 0};
    SetRawW(L"Binary", REG_BINARY, four, sizeof four);
    SetRawW(L"BigEndian", REG_DWORD_BIG_ENDIAN, four, sizeof four);
    const BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    SetRawW(L"LongDword", REG_DWORD, eight, sizeof eight);
    SetRawW(L"Qword", REG_QWORD, eight, sizeof eight);
    for (const wchar_t* name : {L"Text", L"Binary", L"BigEndian", L"LongDword", L"Qword"})
        EXPECT_EQ(GetD(name), -7) << name;
}

// --- DeleteValue / DeleteKey ---

TEST_F(RegistryTest, DeleteValueRemovesOnlyThatValue)
{
    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"Gone", L"x");
    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"Kept", L"y");
    Registry::DeleteValue(RegRoot::CurrentUser, Scratch, L"Gone");
    EXPECT_FALSE(Raw(L"Gone").found);
    EXPECT_EQ(Get(L"Kept"), L"y");
}

TEST_F(RegistryTest, DeleteValueOfMissingValueOrKeyChangesNothing)
{
    Registry::SaveString(RegRoot::CurrentUser, Scratch, L"Kept", L"y");
    Registry::DeleteValue(RegRoot::CurrentUser, Scratch, L"Missing");
    Registry::DeleteValue(RegRoot::CurrentUser, Scratch + L"\\Absent", L"Kept");
    EXPECT_EQ(Get(L"Kept"), L"y");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Scratch + L"\\Absent"));
}

TEST_F(RegistryTest, DeleteKeyRemovesLeafOnly)
{
    Registry::SaveString(RegRoot::CurrentUser, Scratch + L"\\Leaf", L"N", L"v");
    Registry::SaveString(RegRoot::CurrentUser, Scratch + L"\\Branch\\Twig", L"N", L"v");

    Registry::DeleteKey(RegRoot::CurrentUser, Scratch + L"\\Leaf");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Scratch + L"\\Leaf"));

    // Not recursive: a key with subkeys survives.
    Registry::DeleteKey(RegRoot::CurrentUser, Scratch + L"\\Branch");
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Scratch + L"\\Branch\\Twig"));

    Registry::DeleteKey(RegRoot::CurrentUser, Scratch + L"\\NeverThere");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Scratch + L"\\NeverThere"));
}

// --- Roots ---

struct RootCase {
    RegRoot root;
    HKEY hkey;
    const wchar_t* path;
};

void PrintTo(const RootCase& c, std::ostream* os) { *os << std::hex << static_cast<std::uint32_t>(c.root); }

// Wine also accepts the zero-extended value on x64, so only a direct check catches it.
TEST(RegistryRoots, ConvertToThePredefinedKeys)
{
    EXPECT_EQ(Registry::RootKey(RegRoot::ClassesRoot), HKEY_CLASSES_ROOT);
    EXPECT_EQ(Registry::RootKey(RegRoot::CurrentUser), HKEY_CURRENT_USER);
    EXPECT_EQ(Registry::RootKey(RegRoot::LocalMachine), HKEY_LOCAL_MACHINE);
}

class RegistryRootTest : public ::testing::TestWithParam<RootCase> {
protected:
    void TearDown() override
    {
        DeleteTree(GetParam().hkey, GetParam().path);
        ::RegDeleteKeyW(GetParam().hkey, ScratchParent);
    }
};

// Every operation must pass its root on, not assume HKEY_CURRENT_USER.
TEST_P(RegistryRootTest, RootAddressesThePredefinedKey)
{
    const RootCase& c = GetParam();
    Registry::SaveString(c.root, c.path, L"Text", L"here");
    Registry::SaveDword(c.root, c.path, L"Number", 17);
    EXPECT_EQ(WideText(ReadRawW(c.hkey, c.path, L"Text")), std::wstring(L"here", 5));
    EXPECT_EQ(Registry::GetString(c.root, c.path, L"Text", L""), L"here");
    EXPECT_EQ(Registry::GetDword(c.root, c.path, L"Number", 0), 17);

    Registry::DeleteValue(c.root, c.path, L"Text");
    EXPECT_FALSE(ReadRawW(c.hkey, c.path, L"Text").found);
    Registry::DeleteKey(c.root, c.path);
    EXPECT_FALSE(KeyExists(c.hkey, c.path));
}

INSTANTIATE_TEST_SUITE_P(AllRoots, RegistryRootTest,
                         ::testing::Values(RootCase{RegRoot::ClassesRoot, HKEY_CLASSES_ROOT, L"BrvtTests.Root"},
                                           RootCase{RegRoot::CurrentUser, HKEY_CURRENT_USER, L"Software\\BrvtTests\\Root"},
                                           RootCase{RegRoot::LocalMachine, HKEY_LOCAL_MACHINE, L"Software\\BrvtTests\\Root"}),
                         [](const ::testing::TestParamInfo<RootCase>& param) {
                             switch (param.param.root) {
                             case RegRoot::ClassesRoot: return std::string("ClassesRoot");
                             case RegRoot::CurrentUser: return std::string("CurrentUser");
                             case RegRoot::LocalMachine: return std::string("LocalMachine");
                             }
                             return std::string("Unknown");
                         });

// --- Constants ---

TEST(RegistryConstants, SettingsKeyAndFlags)
{
    EXPECT_EQ(std::wstring(SettingsKey), L"Qor-Software\\Brevantor");
    EXPECT_EQ(std::wstring(FlagYes), L"yes");
    EXPECT_EQ(std::wstring(FlagNo), L"no");
    EXPECT_NE(std::wstring(L"No"), FlagNo);
    EXPECT_NE(std::wstring(L"NO"), FlagNo);
}

} // namespace
