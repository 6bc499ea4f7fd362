// A path is a narrow string that joins a name onto itself with a backslash
// only where no separator ends it. The test is on the last byte, so a
// double-byte character whose trail byte is 0x5C counts as a separator.
#pragma once

#include "afx_string.h"

namespace Traits {

struct Q7FsPathStrTraitA
{
    typedef CStringA StringType;
    typedef char CharType;
};

} // namespace Traits

template <class StrTrait> class Q7FsPathT : public StrTrait::StringType
{
public:
    typedef typename StrTrait::StringType StringType;
    typedef typename StrTrait::CharType CharType;

    Q7FsPathT(const CharType* text = nullptr) : StringType(text) {}
    Q7FsPathT(const Q7FsPathT& other) : StringType(other) {}
    Q7FsPathT& operator=(const Q7FsPathT& other)
    {
        StringType::operator=(other);
        return *this;
    }
    virtual ~Q7FsPathT() {}

    Q7FsPathT& AppendSeparator(CharType separator)
    {
        int length = this->GetLength();
        if (length == 0)
            return *this;
        CharType last = this->GetAt(length - 1);
        if (last != '/' && last != '\\')
            this->AppendChar(separator);
        return *this;
    }

    Q7FsPathT Join(const CharType* text) const
    {
        Q7FsPathT joined(*this);
        joined.AppendSeparator('\\');
        joined.Append(text);
        return joined;
    }
};
