#include <gtest/gtest.h>

#include "q7_file_write.h"
#include "scratch_dir.h"
#include "stand_in.h"

class FileWriteTest : public ::testing::Test
{
protected:
    void SetUp() override { standin::Reset(); }
    static int Calls(const std::string& prefix)
    {
        int count = 0;
        for (const std::string& line : standin::Log())
            count += line.compare(0, prefix.size(), prefix) == 0;
        return count;
    }
    ScratchDir m_dir;
};

TEST_F(FileWriteTest, CreatesAnewWritesInOrderAndClosesOnce)
{
    std::string name = m_dir.File("package.msi");
    WriteFile(name, "an older and longer content");
    {
        Q7FileWrite file(name.c_str(), FILE_SHARE_READ);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_TRUE(file.Write("abc", 3));
        EXPECT_TRUE(file.Write("", 0));
        EXPECT_TRUE(file.Write("de", 2));
        file.Close();
        file.Close();
        EXPECT_FALSE(file.IsOpen());
    }
    EXPECT_EQ("abcde", ReadFile(name));
    EXPECT_EQ((std::vector<std::string>{"CreateFileA(\"" + name + "\", 0x40000000, 0x1, null, 2, 0x80, null) -> file#1",
                                        "WriteFile(file#1, 3 bytes, null)", "WriteFile(file#1, 0 bytes, null)",
                                        "WriteFile(file#1, 2 bytes, null)", "CloseHandle(file#1)"}),
              standin::Log());
}

TEST_F(FileWriteTest, FailedOpenLeavesItClosedAndMakesNoFurtherCall)
{
    std::string name = m_dir.File("missing/package.msi");
    {
        Q7FileWrite file(name.c_str(), FILE_SHARE_READ);
        EXPECT_FALSE(file.IsOpen());
        EXPECT_FALSE(file.Write("abc", 3));
    }
    EXPECT_EQ(1, Calls("CreateFileA"));
    EXPECT_EQ("WriteFile(INVALID_HANDLE_VALUE, 3 bytes, null)", standin::Log()[1]);
    EXPECT_EQ(0, Calls("CloseHandle"));
}

TEST_F(FileWriteTest, OpenClosesTheOpenFileFirstEvenWhenTheNewOpenFails)
{
    std::string first = m_dir.File("first");
    Q7FileWrite file(first.c_str(), 0);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_TRUE(file.Open(m_dir.File("second").c_str(), FILE_SHARE_READ, CREATE_ALWAYS));
    EXPECT_FALSE(file.Open(m_dir.File("none/third").c_str(), 0, CREATE_ALWAYS));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(2, Calls("CloseHandle"));
    EXPECT_EQ(0, standin::OpenFileCount());
    EXPECT_EQ("CloseHandle(file#2)", standin::Log()[3]);
}

TEST_F(FileWriteTest, PassesTheCallersDisposition)
{
    std::string name = m_dir.File("kept");
    WriteFile(name, "kept");
    Q7FileWrite file(m_dir.File("other").c_str(), FILE_SHARE_READ);
    EXPECT_FALSE(file.Open(m_dir.File("absent").c_str(), 0, OPEN_EXISTING));
    EXPECT_TRUE(file.Open(name.c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
    EXPECT_EQ("kept", ReadFile(name));
    EXPECT_EQ("CreateFileA(\"" + name + "\", 0x40000000, 0x3, null, 3, 0x80, null) -> file#2", standin::Log().back());
}

TEST_F(FileWriteTest, AShortWriteReportedAsSuccessIsAFailure)
{
    std::string name = m_dir.File("package.msi");
    Q7FileWrite file(name.c_str(), FILE_SHARE_READ);
    standin::LimitWrites(4);
    EXPECT_FALSE(file.Write("0123456789", 10));
    EXPECT_TRUE(file.Write("abcd", 4));
    EXPECT_EQ(2, Calls("WriteFile"));
}
