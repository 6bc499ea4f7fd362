// The formatter behind CStringA::Format, without the C library's printf.
#pragma once

#include <stdarg.h>
#include <stddef.h>

// Writes the formatted text to out (when out is not null) and returns its
// length in bytes, NUL excluded. Call once with null to size the buffer.
size_t AfxFormatText(char* out, const char* pattern, va_list args);
