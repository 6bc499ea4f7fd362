// Our native stand-in for the few Windows, Windows Installer and shell
// calls that the framework and the launcher make: the types, constants
// and functions, declared for a Linux build. The implementations record
// every call and answer from a script (see stand_in.h).
#pragma once

#include <stddef.h>
#include <stdint.h>

#define WINAPI

typedef int BOOL;
typedef unsigned int UINT;
typedef uint32_t DWORD;
typedef long LONG;
typedef intptr_t INT_PTR;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef DWORD* LPDWORD;
typedef void* HANDLE;
typedef int INSTALLSTATE;

struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct HWND__;
typedef HWND__* HWND;
struct HRSRC__;
typedef HRSRC__* HRSRC;
typedef void* HGLOBAL;
struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;
struct OVERLAPPED;
typedef OVERLAPPED* LPOVERLAPPED;

#define TRUE 1
#define FALSE 0

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)))
#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x1u
#define FILE_SHARE_WRITE 0x2u
#define FILE_SHARE_DELETE 0x4u
#define CREATE_NEW 1u
#define CREATE_ALWAYS 2u
#define OPEN_EXISTING 3u
#define OPEN_ALWAYS 4u
#define FILE_ATTRIBUTE_NORMAL 0x80u

#define SEM_FAILCRITICALERRORS 0x0001u
#define SEM_NOOPENFILEERRORBOX 0x8000u

#define MB_OK 0x0u
#define MB_OKCANCEL 0x1u
#define MB_YESNO 0x4u
#define MB_ICONHAND 0x10u
#define MB_ICONQUESTION 0x20u
#define MB_ICONEXCLAMATION 0x30u
#define MB_ICONASTERISK 0x40u
#define MB_TYPEMASK 0xFu
#define MB_ICONMASK 0xF0u
#define IDOK 1

#define SW_SHOW 5

#define ERROR_SUCCESS 0u
#define ERROR_MOD_NOT_FOUND 126u
#define ERROR_NO_MORE_ITEMS 259u
#define ERROR_BAD_CONFIGURATION 1610u

#define INSTALLSTATE_UNKNOWN (-1)
#define INSTALLSTATE_ABSENT 2
#define INSTALLSTATE_LOCAL 3
#define INSTALLSTATE_SOURCE 4

#define IS_INTRESOURCE(name) ((reinterpret_cast<uintptr_t>(name) >> 16) == 0)
#define MAKEINTRESOURCEA(id) (reinterpret_cast<LPSTR>(static_cast<uintptr_t>(static_cast<unsigned short>(id))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define RT_STRING MAKEINTRESOURCEA(6)

// kernel32
UINT SetErrorMode(UINT mode);
DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
HANDLE GetProcessHeap();
LPVOID HeapAlloc(HANDLE heap, DWORD flags, size_t bytes);
BOOL HeapFree(HANDLE heap, DWORD flags, LPVOID block);
DWORD GetTempPathA(DWORD bufferLength, LPSTR buffer);
BOOL DeleteFileA(LPCSTR fileName);
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
DWORD SizeofResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL loaded);
HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
BOOL WriteFile(HANDLE file, LPCVOID data, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped);
BOOL CloseHandle(HANDLE object);

// user32
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int bufferMax);
LPSTR CharNextA(LPCSTR text);

// msi
INSTALLSTATE MsiLocateComponentA(LPCSTR component, LPSTR pathBuffer, DWORD* pathLength);
UINT MsiEnumRelatedProductsA(LPCSTR upgradeCode, DWORD reserved, DWORD productIndex, LPSTR productBuffer);
UINT MsiEnumProductsA(DWORD productIndex, LPSTR productBuffer);

// shell32
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int showCommand);
