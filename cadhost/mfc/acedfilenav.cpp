#include "acedfilenav.h"

#include "UiDriver.h"
#include "acutads.h"

int acedGetFileNavDialog(const ACHAR* title, const ACHAR* defawlt, const ACHAR* ext, const ACHAR* dlgname, int flags,
                         resbuf** result)
{
    if (result == nullptr)
        return RTERROR;
    *result = nullptr;
    const auto text = [](const ACHAR* value) { return std::wstring(value != nullptr ? value : L""); };
    const cadhost::FileNavigationRequest request{text(title), text(defawlt), text(ext), text(dlgname), flags};
    const std::vector<std::wstring> files = cadhost::currentUiDriver().chooseNavigationFiles(request);
    if (files.empty())
        return RTCAN;
    resbuf** link = result;
    for (const std::wstring& file : files) {
        resbuf* entry = acutNewRb(RTSTR);
        if (entry == nullptr || acutNewString(file.c_str(), entry->resval.rstring) != Acad::eOk) {
            acutRelRb(entry);
            acutRelRb(*result);
            *result = nullptr;
            return RTERROR;
        }
        *link = entry;
        link = &entry->rbnext;
    }
    return RTNORM;
}
