#include <gtest/gtest.h>

#include <string>

#include "q7_fs_path.h"

typedef Q7FsPathT<Traits::Q7FsPathStrTraitA> Path;

struct JoinCase
{
    friend void PrintTo(const JoinCase& c, std::ostream* out)
    {
        *out << (c.base ? c.base : "null") << " + " << (c.joined ? c.joined : "null");
    }
    const char* base;
    const char* joined;
    const char* expected;
};

class PathJoinTest : public ::testing::TestWithParam<JoinCase>
{
};

TEST_P(PathJoinTest, JoinsByTheLastByte)
{
    const JoinCase& c = GetParam();
    Path base(c.base);
    Path joined = base.Join(c.joined);
    EXPECT_STREQ(c.expected, joined.GetString());
    EXPECT_STREQ(c.base != nullptr ? c.base : "", base.GetString()) << "Join must not change its path";
}

INSTANTIATE_TEST_SUITE_P(
    Table, PathJoinTest,
    ::testing::Values(JoinCase{"", "a.msi", "a.msi"}, JoinCase{nullptr, "a.msi", "a.msi"},
                      JoinCase{"C:\\Temp", "a.msi", "C:\\Temp\\a.msi"},
                      JoinCase{"C:\\Temp\\", "a.msi", "C:\\Temp\\a.msi"},
                      JoinCase{"C:/Temp/", "a.msi", "C:/Temp/a.msi"}, JoinCase{"C:", "a.msi", "C:\\a.msi"},
                      JoinCase{"C:\\Temp", "\\a.msi", "C:\\Temp\\\\a.msi"},
                      JoinCase{"C:\\Temp\\", "\\a.msi", "C:\\Temp\\\\a.msi"}, JoinCase{"C:\\Temp", "", "C:\\Temp\\"},
                      JoinCase{"C:\\Temp", nullptr, "C:\\Temp\\"}, JoinCase{"", "", ""}, JoinCase{"", nullptr, ""},
                      JoinCase{"C:\\Temp/", "a", "C:\\Temp/a"}, JoinCase{"rel", "/a", "rel\\/a"},
                      // Shift-JIS: the trail byte 0x5C of the last character counts as a separator.
                      JoinCase{"C:\\\x95\x5C", "a.msi",
                               "C:\\\x95\x5C"
                               "a.msi"}));

TEST(PathTest, AppendSeparatorAddsAtMostOneAndNeverToAnEmptyPath)
{
    Path empty;
    EXPECT_TRUE(empty.AppendSeparator('\\').AppendSeparator('/').IsEmpty());

    Path dir("C:\\Temp");
    EXPECT_STREQ("C:\\Temp/", dir.AppendSeparator('/').AppendSeparator('/').AppendSeparator('\\').GetString());

    Path slashEnded("a/");
    EXPECT_STREQ("a/", slashEnded.AppendSeparator('\\').GetString());
    Path backslashEnded("a\\");
    EXPECT_STREQ("a\\", backslashEnded.AppendSeparator('/').GetString());
}

TEST(PathTest, IsAStringAndJoinedCopiesStandAlone)
{
    Path base("C:\\Temp");
    Path joined = base.Join("a.msi");
    joined.AppendChar('x');
    EXPECT_STREQ("C:\\Temp", base.GetString());

    const CStringA& asString = joined; // usable wherever the string is
    CStringA plain = asString;
    EXPECT_STREQ("C:\\Temp\\a.msix", plain.GetString());

    Path copy(joined);
    copy = base;
    EXPECT_STREQ("C:\\Temp", copy.GetString());
}
