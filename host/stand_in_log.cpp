#include <stdio.h>
#include <unistd.h>

#include "stand_in_state.h"

namespace standin {

namespace {

std::vector<std::string> g_log;

} // namespace

Machine& TheMachine()
{
    static Machine machine;
    return machine;
}

HINSTANCE Module()
{
    static char image;
    return reinterpret_cast<HINSTANCE>(&image);
}

void Reset()
{
    for (auto& open : TheMachine().openFiles)
        ::close(open.second);
    TheMachine() = Machine();
    g_log.clear();
    ResetHeap();
}

const std::vector<std::string>& Log()
{
    return g_log;
}

void ClearLog()
{
    g_log.clear();
}

void Record(const std::string& line)
{
    g_log.push_back(line);
}

std::string Quote(const char* text)
{
    if (text == nullptr)
        return "null";
    std::string quoted = "\"";
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\n')
            quoted += "\\n";
        else if (*p == '"')
            quoted += "\\\"";
        else if (*p == '\r')
            quoted += "\\r";
        else
            quoted += *p;
    }
    return quoted + "\"";
}

std::string Hex(unsigned long value)
{
    char text[24];
    snprintf(text, sizeof text, "0x%lX", value);
    return text;
}

std::string HandleName(HANDLE handle)
{
    if (handle == INVALID_HANDLE_VALUE)
        return "INVALID_HANDLE_VALUE";
    return "file#" + std::to_string(reinterpret_cast<intptr_t>(handle));
}

std::string ResourceName(const char* name)
{
    if (name == nullptr)
        return "null";
    if (IS_INTRESOURCE(name))
        return "#" + std::to_string(reinterpret_cast<uintptr_t>(name));
    return Quote(name);
}

std::string BufferState(const char* buffer, size_t bytes)
{
    for (size_t i = 0; i < bytes; ++i)
        if (buffer[i] != '\0')
            return "dirty";
    return "zeroed";
}

} // namespace standin
