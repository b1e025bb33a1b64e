#include "pages/system/core/FileNames.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, ClosingBackslashOnlyWhereItIsMissing)
{
    EXPECT_EQ(filenames::WithClosingBackslash(L"C:\\"), L"C:\\");
    EXPECT_EQ(filenames::WithClosingBackslash(L"C:\\Temp"), L"C:\\Temp\\");
}

TEST(FileNames, PatternsMatchTheLongNameWithoutCase)
{
    struct Case {
        const wchar_t* name;
        const wchar_t* pattern;
        bool matches;
    };
    const Case cases[] = {
        {L"A.TMP", L"*.tmp", true},       {L"winhelp.gid", L"*.GID", true}, {L"system.ini.old", L"*.old", true},
        {L".tmp", L"*.tmp", true},        {L"xaybzc", L"*a*b*c", true},     {L"abc", L"a?c", true},
        // What the system's search finds through a short 8.3 name.
        {L"a.tmpl", L"*.tmp", false},     {L"notes.older", L"*.old", false}, {L"atmp", L"*.tmp", false},
        {L"xaybz", L"*a*b*c", false},     {L"ac", L"a?c", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filenames::MatchesPattern(c.name, c.pattern), c.matches);
}

} // namespace
