// The host's automation interfaces, as far as the plug-in walks them: the application, its menu groups,
// their popup menus and the popups' items. Collections are indexed from 0.
#pragma once

#include "AutomationDocuments.h"
#include "ComBase.h"

enum AcMenuItemType { acMenuItem = 0, acMenuSeparator = 1, acMenuSubMenu = 2 };

inline constexpr IID IID_IAcadApplication = {
    0x7558007D, 0x8677, 0x4FF1, {0xBD, 0x48, 0xB6, 0x62, 0x81, 0xBD, 0x3D, 0xD7}};

struct IAcadPopupMenuItem : IDispatch {
    virtual HRESULT get_Label(BSTR* label) = 0;
    virtual HRESULT get_TagString(BSTR* tag) = 0;
    virtual HRESULT get_Macro(BSTR* macro) = 0;
    virtual HRESULT get_Type(AcMenuItemType* type) = 0;

protected:
    ~IAcadPopupMenuItem() = default;
};

struct IAcadPopupMenu : IDispatch {
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT get_TagString(BSTR* tag) = 0;
    virtual HRESULT get_Count(long* count) = 0;
    virtual HRESULT Item(long index, IAcadPopupMenuItem** item) = 0;
    // Inserts before the item at index; an index at or beyond the count appends.
    virtual HRESULT AddMenuItem(long index, const wchar_t* label, const wchar_t* macro, IAcadPopupMenuItem** item) = 0;

protected:
    ~IAcadPopupMenu() = default;
};

struct IAcadPopupMenus : IDispatch {
    virtual HRESULT get_Count(long* count) = 0;
    virtual HRESULT Item(long index, IAcadPopupMenu** menu) = 0;

protected:
    ~IAcadPopupMenus() = default;
};

struct IAcadMenuGroup : IDispatch {
    virtual HRESULT get_Name(BSTR* name) = 0;
    virtual HRESULT get_Menus(IAcadPopupMenus** menus) = 0;

protected:
    ~IAcadMenuGroup() = default;
};

struct IAcadMenuGroups : IDispatch {
    virtual HRESULT get_Count(long* count) = 0;
    virtual HRESULT Item(long index, IAcadMenuGroup** group) = 0;

protected:
    ~IAcadMenuGroups() = default;
};

struct IAcadApplication : IDispatch {
    virtual HRESULT get_MenuGroups(IAcadMenuGroups** groups) = 0;
    virtual HRESULT get_Documents(IAcadDocuments** documents) = 0;

protected:
    ~IAcadApplication() = default;
};
