// The framework's narrow string: bytes in the ANSI code page, always
// zero-terminated, allocated from the process heap.
#pragma once

#include <stdarg.h>

class CStringA
{
public:
    CStringA();
    CStringA(const char* text); // null counts as the empty text
    CStringA(const CStringA& other);
    CStringA& operator=(const CStringA& other);
    CStringA& operator=(const char* text);
    ~CStringA();

    int GetLength() const { return m_length; }
    bool IsEmpty() const { return m_length == 0; }
    char GetAt(int index) const { return m_text[index]; }
    char operator[](int index) const { return m_text[index]; }
    const char* GetString() const { return m_text; }
    operator const char*() const { return m_text; }

    void AppendChar(char ch);
    void Append(const char* text); // null appends nothing
    CStringA& operator+=(const char* text);
    CStringA& operator+=(char ch);

    // printf-style: %s, %c, %d, %u, %x, %X and %%; exact for any length.
    void Format(const char* pattern, ...);
    void FormatV(const char* pattern, va_list args);

    // Room for a system call to fill; ReleaseBuffer takes the text up to
    // the first NUL (or exactly newLength bytes).
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    void Reserve(int capacity);
    void Assign(const char* text, int length);

    char* m_text;
    int m_length;
    int m_capacity; // bytes of text the block holds, NUL excluded; 0: static empty text
};

bool operator==(const CStringA& left, const char* right);
inline bool operator!=(const CStringA& left, const char* right)
{
    return !(left == right);
}
