#include "ErrorStatusMessage.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>

namespace {
constexpr ErrorMessage kErrorMessages[] = {
#include "ErrorMessageTable.inc"
};

wchar_t gMessage[256];

const wchar_t* tableText(int code)
{
    const auto* found = std::lower_bound(std::begin(kErrorMessages), std::end(kErrorMessages), code,
                                         [](const ErrorMessage& entry, int wanted) { return entry.code < wanted; });
    return found != std::end(kErrorMessages) && found->code == code ? found->text : nullptr;
}

std::wstring hostText(Acad::ErrorStatus status)
{
    std::wstring text = acadErrorStatusText(status);
    const std::wstring unknown = L"Unknown error";
    for (auto at = text.find(unknown); at != std::wstring::npos; at = text.find(unknown, at))
        text.replace(at, unknown.size(), L"未知错误");
    return text;
}
} // namespace

const wchar_t* errorStatusMessage(Acad::ErrorStatus status)
{
    const wchar_t* text = tableText(static_cast<int>(status));
    const std::wstring fallback = text == nullptr ? hostText(status) : std::wstring();
    std::wcsncpy(gMessage, text != nullptr ? text : fallback.c_str(), std::size(gMessage) - 1);
    gMessage[std::size(gMessage) - 1] = L'\0';
    return gMessage;
}

std::span<const ErrorMessage> errorMessageTable()
{
    return kErrorMessages;
}
