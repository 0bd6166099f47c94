#include "ComBase.h"

#include <cwchar>

BSTR SysAllocString(const wchar_t* text)
{
    if (text == nullptr)
        return nullptr;
    const std::size_t length = std::wcslen(text);
    auto* copy = new wchar_t[length + 1];
    std::wmemcpy(copy, text, length + 1);
    return copy;
}

void SysFreeString(BSTR text)
{
    delete[] text;
}

unsigned SysStringLen(BSTR text)
{
    return text != nullptr ? static_cast<unsigned>(std::wcslen(text)) : 0;
}
