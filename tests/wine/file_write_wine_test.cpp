// The write-only file on the real Windows file services.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "q7_file_write.h"

namespace {

class FileWriteOnWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_dir = std::string(temp) + "q7-file-write-test";
        CreateDirectoryA(m_dir.c_str(), nullptr);
        m_file = m_dir + "\\package.msi";
        DeleteFileA(m_file.c_str());
    }
    void TearDown() override
    {
        DeleteFileA(m_file.c_str());
        RemoveDirectoryA(m_dir.c_str());
    }

    static std::string Read(const std::string& name)
    {
        HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        std::string bytes;
        char chunk[4096];
        DWORD done = 0;
        while (file != INVALID_HANDLE_VALUE && ReadFile(file, chunk, sizeof chunk, &done, nullptr) && done > 0)
            bytes.append(chunk, done);
        CloseHandle(file);
        return bytes;
    }

    static HANDLE OpenOther(const std::string& name, DWORD access, DWORD share)
    {
        return CreateFileA(name.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr);
    }

    std::string m_dir;
    std::string m_file;
};

TEST_F(FileWriteOnWindows, CreateAlwaysEmptiesAnExistingFile)
{
    {
        Q7FileWrite old(m_file.c_str(), 0);
        ASSERT_TRUE(old.Write("an older and much longer package", 32));
    }
    {
        Q7FileWrite file(m_file.c_str(), FILE_SHARE_READ);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_TRUE(file.Write("new", 3));
        EXPECT_TRUE(file.Write("", 0));
        EXPECT_TRUE(file.Write("er", 2));
    }
    EXPECT_EQ("newer", Read(m_file));
}

TEST_F(FileWriteOnWindows, MissingDirectoryFails)
{
    Q7FileWrite file((m_dir + "\\no such folder\\package.msi").c_str(), FILE_SHARE_READ);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Write("x", 1));
    file.Close();
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(FileWriteOnWindows, OthersMayReadButNeitherWriteNorDeleteWhileOpen)
{
    Q7FileWrite file(m_file.c_str(), FILE_SHARE_READ);
    ASSERT_TRUE(file.IsOpen());
    ASSERT_TRUE(file.Write("payload", 7));

    HANDLE reader = OpenOther(m_file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_NE(INVALID_HANDLE_VALUE, reader);
    char bytes[8] = {};
    DWORD done = 0;
    EXPECT_TRUE(ReadFile(reader, bytes, 7, &done, nullptr));
    EXPECT_EQ(std::string("payload"), std::string(bytes, done));
    CloseHandle(reader);

    HANDLE writer = OpenOther(m_file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_EQ(INVALID_HANDLE_VALUE, writer);
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());

    EXPECT_FALSE(DeleteFileA(m_file.c_str()));
    file.Close();
    EXPECT_TRUE(DeleteFileA(m_file.c_str()));
}

// Windows lets a new handle refuse read sharing only when no open handle
// may read: so this open succeeds exactly because the file's own handle
// was opened for writing alone.
TEST_F(FileWriteOnWindows, ItsOwnHandleCannotRead)
{
    Q7FileWrite file(m_file.c_str(), FILE_SHARE_READ);
    ASSERT_TRUE(file.IsOpen());
    HANDLE refusingReaders = OpenOther(m_file, GENERIC_READ, FILE_SHARE_WRITE);
    EXPECT_NE(INVALID_HANDLE_VALUE, refusingReaders) << "error " << GetLastError();
    CloseHandle(refusingReaders);

    // The check itself tells: a handle that may read makes the same open fail.
    HANDLE readable = OpenOther(m_file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_EQ(INVALID_HANDLE_VALUE, OpenOther(m_file, GENERIC_READ, FILE_SHARE_WRITE));
    CloseHandle(readable);
}

} // namespace
