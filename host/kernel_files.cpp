// The kernel's file calls over real POSIX files. Share modes cannot be
// enforced here; they are logged for the tests to compare.
#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include "stand_in_state.h"

namespace standin {

void FailWrites(bool fail)
{
    TheMachine().failWrites = fail;
}

void LimitWrites(size_t bytes)
{
    TheMachine().writeLimit = bytes;
}

int OpenFileCount()
{
    return static_cast<int>(TheMachine().openFiles.size());
}

} // namespace standin

using namespace standin;

namespace {

int OpenFlags(DWORD desiredAccess, DWORD creationDisposition)
{
    int flags =
        (desiredAccess & GENERIC_READ) != 0 ? ((desiredAccess & GENERIC_WRITE) != 0 ? O_RDWR : O_RDONLY) : O_WRONLY;
    switch (creationDisposition) {
    case CREATE_NEW:
        return flags | O_CREAT | O_EXCL;
    case CREATE_ALWAYS:
        return flags | O_CREAT | O_TRUNC;
    case OPEN_ALWAYS:
        return flags | O_CREAT;
    default:
        return flags;
    }
}

int Descriptor(HANDLE handle)
{
    auto found = TheMachine().openFiles.find(reinterpret_cast<intptr_t>(handle));
    return found != TheMachine().openFiles.end() ? found->second : -1;
}

} // namespace

BOOL DeleteFileA(LPCSTR fileName)
{
    Record("DeleteFileA(" + Quote(fileName) + ")");
    return unlink(fileName) == 0;
}

HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile)
{
    HANDLE result = INVALID_HANDLE_VALUE;
    int fd = ::open(fileName, OpenFlags(desiredAccess, creationDisposition) | O_CLOEXEC, 0644);
    if (fd >= 0) {
        Machine& machine = TheMachine();
        intptr_t number = machine.nextHandle++;
        machine.openFiles[number] = fd;
        result = reinterpret_cast<HANDLE>(number);
    }
    Record("CreateFileA(" + Quote(fileName) + ", " + Hex(desiredAccess) + ", " + Hex(shareMode) + ", " +
           (security == nullptr ? "null" : "security") + ", " + std::to_string(creationDisposition) + ", " +
           Hex(flagsAndAttributes) + ", " + (templateFile == nullptr ? "null" : "template") + ") -> " +
           HandleName(result));
    return result;
}

BOOL WriteFile(HANDLE file, LPCVOID data, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped)
{
    Record("WriteFile(" + HandleName(file) + ", " + std::to_string(bytesToWrite) + " bytes, " +
           (overlapped == nullptr ? "null" : "overlapped") + ")");
    int fd = Descriptor(file);
    if (fd < 0 || TheMachine().failWrites || bytesWritten == nullptr)
        return FALSE;
    const char* next = static_cast<const char*>(data);
    DWORD left = bytesToWrite < TheMachine().writeLimit ? bytesToWrite : static_cast<DWORD>(TheMachine().writeLimit);
    DWORD asked = left;
    while (left > 0) {
        ssize_t done = ::write(fd, next, left);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            break;
        next += done;
        left -= static_cast<DWORD>(done);
    }
    *bytesWritten = asked - left;
    return left == 0;
}

BOOL CloseHandle(HANDLE object)
{
    Record("CloseHandle(" + HandleName(object) + ")");
    auto found = TheMachine().openFiles.find(reinterpret_cast<intptr_t>(object));
    if (found == TheMachine().openFiles.end())
        return FALSE;
    ::close(found->second);
    TheMachine().openFiles.erase(found);
    return TRUE;
}
