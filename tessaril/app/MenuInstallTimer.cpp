#include "MenuInstallTimer.h"

#include "DebugTrace.h"
#include "EventLoop.h"
#include "acadi.h"
#include "aced.h"
#include "rxmfcapi.h"

#include <optional>

namespace {
struct ArmedTimer {
    HWND window;
    UINT_PTR id;
};

std::optional<ArmedTimer> gArmedTimer;

void armTimer(HWND window)
{
    gArmedTimer = ArmedTimer{window, SetTimer(window, kMenuTimerId, kMenuTimerPeriodMs, MenuInstallTimer)};
}

bool sameText(const wchar_t* text, const wchar_t* expected)
{
    return CString(text).CompareNoCase(expected) == 0;
}

// The index of the first separator after the item tagged "ID_Save"; -1 when there is none.
long insertionIndex(IAcadPopupMenu* popup)
{
    long count = 0;
    if (FAILED(popup->get_Count(&count)))
        return -1;
    bool savePassed = false;
    for (long index = 0; index < count; ++index) {
        CComPtr<IAcadPopupMenuItem> item;
        if (FAILED(popup->Item(index, &item)))
            continue;
        if (savePassed) {
            AcMenuItemType type = acMenuItem;
            if (SUCCEEDED(item->get_Type(&type)) && type == acMenuSeparator)
                return index;
            continue;
        }
        CComBSTR tag;
        savePassed = SUCCEEDED(item->get_TagString(&tag)) && sameText(tag, L"ID_Save");
    }
    return -1;
}

void addToFileMenu(IAcadMenuGroup* group)
{
    CComPtr<IAcadPopupMenus> menus;
    long count = 0;
    if (FAILED(group->get_Menus(&menus)) || FAILED(menus->get_Count(&count)))
        return;
    for (long index = 0; index < count; ++index) {
        CComPtr<IAcadPopupMenu> popup;
        CComBSTR tag;
        if (FAILED(menus->Item(index, &popup)) || FAILED(popup->get_TagString(&tag)) || !sameText(tag, L"ID_MnFile"))
            continue;
        const long at = insertionIndex(popup);
        if (at <= 0)
            continue;
        CComPtr<IAcadPopupMenuItem> added;
        if (SUCCEEDED(popup->AddMenuItem(at, L"图纸外发", L"movrel ", &added)))
            traceLine(L"增加图纸外发菜单:%d", static_cast<int>(at));
    }
}
} // namespace

void startMenuInstallTimer()
{
    armTimer(nullptr);
}

void stopMenuInstallTimer()
{
    if (gArmedTimer)
        KillTimer(gArmedTimer->window, gArmedTimer->id);
    gArmedTimer.reset();
}

void CALLBACK MenuInstallTimer(HWND window, UINT, UINT_PTR id, DWORD)
{
    KillTimer(window, id);
    gArmedTimer.reset();
    if (!installMenuItem())
        armTimer(acedGetAcadFrame()->m_hWnd);
}

bool installMenuItem()
{
    IDispatch* dispatch = acedGetAcadWinApp()->GetIDispatch(TRUE);
    if (dispatch == nullptr)
        return false;
    CComPtr<IAcadApplication> application;
    const HRESULT queried = dispatch->QueryInterface(IID_IAcadApplication, reinterpret_cast<void**>(&application));
    dispatch->Release();
    if (FAILED(queried))
        return false;

    CComPtr<IAcadMenuGroups> groups;
    long count = 0;
    if (FAILED(application->get_MenuGroups(&groups)) || FAILED(groups->get_Count(&count)))
        return false;
    for (long index = 0; index < count; ++index) {
        CComPtr<IAcadMenuGroup> group;
        CComBSTR name;
        if (FAILED(groups->Item(index, &group)) || FAILED(group->get_Name(&name)))
            continue;
        if (!sameText(name, L"ACAD")) {
            traceLine(L"顶级菜单:%s", static_cast<const wchar_t*>(name));
            continue;
        }
        addToFileMenu(group);
        break;
    }
    return true;
}
