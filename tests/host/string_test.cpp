#include <gtest/gtest.h>

#include <string>

#include "afx_string.h"
#include "stand_in.h"

TEST(StringTest, NullIsEmptyAndCopiesAreIndependent)
{
    CStringA empty(nullptr);
    EXPECT_EQ(0, empty.GetLength());
    EXPECT_STREQ("", empty.GetString());

    CStringA original("abc");
    CStringA copy(original);
    copy.AppendChar('d');
    EXPECT_STREQ("abc", original.GetString());
    EXPECT_STREQ("abcd", copy.GetString());
    copy = original;
    EXPECT_TRUE(copy == "abc");
    EXPECT_FALSE(copy == "abcd");
}

TEST(StringTest, AppendGrowsAndSurvivesAppendingItself)
{
    CStringA text("x");
    for (int i = 0; i < 1000; ++i)
        text.AppendChar(static_cast<char>('a' + i % 26));
    EXPECT_EQ(1001, text.GetLength());
    EXPECT_EQ('z', text[26]);
    text.Append(nullptr);
    EXPECT_EQ(1001, text.GetLength());

    CStringA twice("ab");
    twice.Append(twice.GetString());
    twice += "!";
    EXPECT_STREQ("abab!", twice.GetString());
}

TEST(StringTest, FormatIsExactForAnyLength)
{
    std::string longPath(5000, 'p');
    CStringA formatted;
    formatted.Format("/i \"%s\" %d %u %x %X %c %% %q %", longPath.c_str(), -42, 7u, 255u, 255u, 'z');
    EXPECT_EQ("/i \"" + longPath + "\" -42 7 ff FF z % %q %", std::string(formatted.GetString()));
    EXPECT_EQ(static_cast<int>(longPath.size()) + 26, formatted.GetLength());

    formatted.Format("%s|%s", static_cast<const char*>(nullptr), "");
    EXPECT_STREQ("(null)|", formatted.GetString());
}

TEST(StringTest, BufferTakesWhatASystemCallWrote)
{
    CStringA text;
    char* room = text.GetBuffer(1024);
    memcpy(room, "C:\\Temp\\", 9);
    text.ReleaseBuffer();
    EXPECT_EQ(8, text.GetLength());
    EXPECT_STREQ("C:\\Temp\\", text.GetString());

    // A call that writes nothing into fresh room leaves the text empty.
    CStringA untouched;
    untouched.GetBuffer(1024);
    untouched.ReleaseBuffer();
    EXPECT_TRUE(untouched.IsEmpty());
}

TEST(StringDeathTest, RunningOutOfMemoryEndsTheProcess)
{
    EXPECT_DEATH(
        {
            standin::SetHeapBlockLimit(100);
            CStringA text;
            text.GetBuffer(1000);
        },
        "");
}
