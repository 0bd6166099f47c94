#include "dbhandle.h"

#include <cwchar>

AcDbHandle::AcDbHandle(const ACHAR* hexText)
{
    if (hexText == nullptr || *hexText == 0)
        return;
    Adesk::UInt64 value = 0;
    int digits = 0;
    for (const ACHAR* cursor = hexText; *cursor != 0; ++cursor) {
        ACHAR character = *cursor;
        unsigned digit = 0;
        if (character >= L'0' && character <= L'9')
            digit = static_cast<unsigned>(character - L'0');
        else if (character >= L'A' && character <= L'F')
            digit = static_cast<unsigned>(character - L'A' + 10);
        else if (character >= L'a' && character <= L'f')
            digit = static_cast<unsigned>(character - L'a' + 10);
        else
            return;
        if (++digits > 16)
            return;
        value = (value << 4) | digit;
    }
    m_value = value;
}

bool AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer, std::size_t length) const
{
    ACHAR digits[17];
    int count = 0;
    Adesk::UInt64 value = m_value;
    do {
        unsigned digit = static_cast<unsigned>(value & 0xF);
        digits[count++] = static_cast<ACHAR>(digit < 10 ? L'0' + digit : L'A' + digit - 10);
        value >>= 4;
    } while (value != 0);
    if (buffer == nullptr || length < static_cast<std::size_t>(count) + 1)
        return false;
    for (int index = 0; index < count; ++index)
        buffer[index] = digits[count - 1 - index];
    buffer[count] = 0;
    return true;
}
