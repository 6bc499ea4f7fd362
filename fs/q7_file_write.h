// Sole owner of one file handle, opened for writing and nothing else.
#pragma once

#include "platform.h"

class Q7FileWrite
{
public:
    // Opens with CREATE_ALWAYS; ask IsOpen for the outcome.
    Q7FileWrite(LPCSTR fileName, DWORD shareMode);
    virtual ~Q7FileWrite();

    Q7FileWrite(const Q7FileWrite&) = delete;
    Q7FileWrite& operator=(const Q7FileWrite&) = delete;

    // Closes whatever is open first.
    bool Open(LPCSTR fileName, DWORD shareMode, DWORD creationDisposition);
    void Close();
    bool IsOpen() const;
    // One system call with the caller's bytes, however many; true only
    // when all of them were written.
    bool Write(LPCVOID data, DWORD size);

private:
    HANDLE m_file;
};
