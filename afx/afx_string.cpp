#include "afx_string.h"

#include <string.h>

#include "afx_format.h"
#include "afx_heap.h"

namespace {

char g_emptyText[1] = {'\0'};

int TextLength(const char* text)
{
    return text != nullptr ? static_cast<int>(strlen(text)) : 0;
}

} // namespace

CStringA::CStringA() : m_text(g_emptyText), m_length(0), m_capacity(0)
{
}

CStringA::CStringA(const char* text) : CStringA()
{
    Assign(text, TextLength(text));
}

CStringA::CStringA(const CStringA& other) : CStringA()
{
    Assign(other.m_text, other.m_length);
}

CStringA& CStringA::operator=(const CStringA& other)
{
    if (this != &other)
        Assign(other.m_text, other.m_length);
    return *this;
}

CStringA& CStringA::operator=(const char* text)
{
    Assign(text, TextLength(text));
    return *this;
}

CStringA::~CStringA()
{
    if (m_capacity != 0)
        AfxFree(m_text);
}

void CStringA::Reserve(int capacity)
{
    if (capacity <= m_capacity)
        return;
    char* block = static_cast<char*>(AfxAllocate(static_cast<size_t>(capacity) + 1));
    memcpy(block, m_text, static_cast<size_t>(m_length) + 1);
    if (m_capacity != 0)
        AfxFree(m_text);
    m_text = block;
    m_capacity = capacity;
}

void CStringA::Assign(const char* text, int length)
{
    if (length == 0) {
        m_length = 0;
        m_text[0] = '\0'; // harmless on the static empty text
        return;
    }
    if (length > m_capacity) {
        // A fresh block, so that text may point into this string's own.
        char* block = static_cast<char*>(AfxAllocate(static_cast<size_t>(length) + 1));
        memcpy(block, text, static_cast<size_t>(length));
        if (m_capacity != 0)
            AfxFree(m_text);
        m_text = block;
        m_capacity = length;
    } else {
        memmove(m_text, text, static_cast<size_t>(length));
    }
    m_length = length;
    m_text[length] = '\0';
}

void CStringA::AppendChar(char ch)
{
    if (m_length == m_capacity)
        Reserve(m_capacity < 16 ? 16 : m_capacity * 2);
    m_text[m_length++] = ch;
    m_text[m_length] = '\0';
}

void CStringA::Append(const char* text)
{
    int extra = TextLength(text);
    if (extra == 0)
        return;
    if (text >= m_text && text <= m_text + m_length) { // appending from itself
        CStringA copy(text);
        Append(copy.m_text);
        return;
    }
    Reserve(m_length + extra);
    memcpy(m_text + m_length, text, static_cast<size_t>(extra) + 1);
    m_length += extra;
}

CStringA& CStringA::operator+=(const char* text)
{
    Append(text);
    return *this;
}

CStringA& CStringA::operator+=(char ch)
{
    AppendChar(ch);
    return *this;
}

void CStringA::Format(const char* pattern, ...)
{
    va_list args;
    va_start(args, pattern);
    FormatV(pattern, args);
    va_end(args);
}

void CStringA::FormatV(const char* pattern, va_list args)
{
    va_list sizing;
    va_copy(sizing, args);
    size_t length = AfxFormatText(nullptr, pattern, sizing);
    va_end(sizing);
    if (length > 0x7FFFFFFEu)
        AfxThrowMemoryException();
    CStringA result;
    AfxFormatText(result.GetBuffer(static_cast<int>(length)), pattern, args);
    result.ReleaseBuffer(static_cast<int>(length));
    *this = result;
}

char* CStringA::GetBuffer(int minLength)
{
    Reserve(minLength);
    return m_text;
}

void CStringA::ReleaseBuffer(int newLength)
{
    if (newLength < 0) {
        // Never past the block, whatever the system call left in it.
        const void* end = memchr(m_text, '\0', static_cast<size_t>(m_capacity) + 1);
        newLength = end != nullptr ? static_cast<int>(static_cast<const char*>(end) - m_text) : m_capacity;
    }
    m_length = newLength;
    m_text[m_length] = '\0';
}

bool operator==(const CStringA& left, const char* right)
{
    return strcmp(left.GetString(), right != nullptr ? right : "") == 0;
}
