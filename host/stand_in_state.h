// The stand-in's machine: what the script set and what the calls changed.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "stand_in.h"

namespace standin {

struct Resource
{
    const void* data;
    size_t size;
};

struct RelatedAnswer
{
    UINT status;
    std::string productCode;
};

struct Machine
{
    // kernel32
    UINT errorMode = 0;
    std::string moduleFileName = "C:\\Setup\\Q7QuenfoldSetupBootEN.exe";
    std::string tempPath = "/tmp/";
    std::map<std::pair<std::string, unsigned>, Resource> resources;
    std::map<unsigned, std::string> strings;
    std::map<intptr_t, int> openFiles; // handle number -> POSIX descriptor
    intptr_t nextHandle = 1;
    bool failWrites = false;
    size_t writeLimit = ~static_cast<size_t>(0);

    // msi
    std::map<std::string, INSTALLSTATE> components;
    std::vector<std::string> products;
    DWORD productFailureIndex = ~0u;
    UINT productFailureStatus = ERROR_SUCCESS;
    std::map<std::string, RelatedAnswer> related;

    // shell32
    INT_PTR shellExecuteResult = 42;
};

Machine& TheMachine();

// Log formatting.
void Record(const std::string& line);
std::string Quote(const char* text);
std::string Hex(unsigned long value);
std::string HandleName(HANDLE handle);
std::string ResourceName(const char* name);
// "zeroed" when the first `bytes` bytes are all zero, else "dirty".
std::string BufferState(const char* buffer, size_t bytes);

void ResetHeap();

} // namespace standin
