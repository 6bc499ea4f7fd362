#include "afx_format.h"

namespace {

class Sink
{
public:
    explicit Sink(char* out) : m_out(out), m_length(0) {}

    void Put(char ch)
    {
        if (m_out != nullptr)
            m_out[m_length] = ch;
        ++m_length;
    }
    void Put(const char* text)
    {
        while (*text != '\0')
            Put(*text++);
    }
    size_t Length() const { return m_length; }

private:
    char* m_out;
    size_t m_length;
};

void PutUnsigned(Sink& sink, unsigned long long value, unsigned base, bool upper)
{
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char reversed[24];
    int count = 0;
    do {
        reversed[count++] = digits[value % base];
        value /= base;
    } while (value != 0);
    while (count > 0)
        sink.Put(reversed[--count]);
}

} // namespace

size_t AfxFormatText(char* out, const char* pattern, va_list args)
{
    Sink sink(out);
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p != '%') {
            sink.Put(*p);
            continue;
        }
        switch (*++p) {
        case 's': {
            const char* text = va_arg(args, const char*);
            sink.Put(text != nullptr ? text : "(null)");
            break;
        }
        case 'c':
            sink.Put(static_cast<char>(va_arg(args, int)));
            break;
        case 'd': {
            long long value = va_arg(args, int);
            if (value < 0) {
                sink.Put('-');
                value = -value;
            }
            PutUnsigned(sink, static_cast<unsigned long long>(value), 10, false);
            break;
        }
        case 'u':
            PutUnsigned(sink, va_arg(args, unsigned), 10, false);
            break;
        case 'x':
        case 'X':
            PutUnsigned(sink, va_arg(args, unsigned), 16, *p == 'X');
            break;
        case '\0': // a lone % at the end stays as it is
            sink.Put('%');
            --p;
            break;
        default: // %% and anything unknown: the character itself
            if (*p != '%')
                sink.Put('%');
            sink.Put(*p);
            break;
        }
    }
    if (out != nullptr)
        out[sink.Length()] = '\0';
    return sink.Length();
}
