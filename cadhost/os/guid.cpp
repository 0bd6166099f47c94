#include "guid.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <sys/random.h>

HRESULT CoCreateGuid(GUID* guid)
{
    if (guid == nullptr)
        return E_FAIL;
    unsigned char bits[sizeof(GUID)];
    std::size_t filled = 0;
    while (filled < sizeof bits) {
        const ssize_t got = getrandom(bits + filled, sizeof bits - filled, 0);
        if (got <= 0)
            return E_FAIL;
        filled += static_cast<std::size_t>(got);
    }
    std::memcpy(guid, bits, sizeof bits);
    return S_OK;
}

int StringFromGUID2(const GUID& guid, LPOLESTR buffer, int size)
{
    constexpr int kLength = 38;
    if (buffer == nullptr || size <= kLength)
        return 0;
    std::swprintf(buffer, static_cast<std::size_t>(size), L"{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.Data1), static_cast<unsigned>(guid.Data2),
                  static_cast<unsigned>(guid.Data3), guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3],
                  guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return kLength + 1;
}

namespace cadhost {

std::wstring newGuidText()
{
    GUID guid{};
    CoCreateGuid(&guid);
    wchar_t text[39];
    StringFromGUID2(guid, text, 39);
    return text;
}

} // namespace cadhost
