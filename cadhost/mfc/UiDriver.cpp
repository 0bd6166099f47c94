#include "UiDriver.h"

#include "HeadlessUiDriver.h"
#include "codepage.h"

#include <utility>

namespace cadhost {

namespace {

UiDriver*& installedDriver()
{
    static UiDriver* driver = nullptr;
    return driver;
}

} // namespace

UiScriptError::UiScriptError(const std::wstring& text) : std::runtime_error(toUtf8(text)), m_text(text)
{
}

UiDriver& currentUiDriver()
{
    static HeadlessUiDriver headless;
    UiDriver* installed = installedDriver();
    return installed != nullptr ? *installed : headless;
}

UiDriverScope::UiDriverScope(UiDriver& driver) : m_previous(std::exchange(installedDriver(), &driver))
{
}

UiDriverScope::~UiDriverScope()
{
    installedDriver() = m_previous;
}

bool isMessageBoxAnswer(UINT type, int answer)
{
    switch (type & MB_TYPEMASK) {
    case MB_OK:
        return answer == IDOK;
    case MB_OKCANCEL:
        return answer == IDOK || answer == IDCANCEL;
    case MB_YESNO:
        return answer == IDYES || answer == IDNO;
    case MB_YESNOCANCEL:
        return answer == IDYES || answer == IDNO || answer == IDCANCEL;
    default:
        return false;
    }
}

int safeMessageBoxAnswer(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OK:
        return IDOK;
    case MB_YESNO:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

const wchar_t* applicationName()
{
    return L"cadhost";
}

} // namespace cadhost
