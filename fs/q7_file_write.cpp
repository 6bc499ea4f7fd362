#include "q7_file_write.h"

Q7FileWrite::Q7FileWrite(LPCSTR fileName, DWORD shareMode) : m_file(INVALID_HANDLE_VALUE)
{
    Open(fileName, shareMode, CREATE_ALWAYS);
}

Q7FileWrite::~Q7FileWrite()
{
    Close();
}

bool Q7FileWrite::Open(LPCSTR fileName, DWORD shareMode, DWORD creationDisposition)
{
    Close();
    m_file =
        CreateFileA(fileName, GENERIC_WRITE, shareMode, nullptr, creationDisposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

void Q7FileWrite::Close()
{
    if (IsOpen()) {
        CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
    }
}

bool Q7FileWrite::IsOpen() const
{
    return m_file != INVALID_HANDLE_VALUE;
}

bool Q7FileWrite::Write(LPCVOID data, DWORD size)
{
    DWORD written = 0;
    // A full disk may be reported as success with fewer bytes written.
    return WriteFile(m_file, data, size, &written, nullptr) != FALSE && written == size;
}
