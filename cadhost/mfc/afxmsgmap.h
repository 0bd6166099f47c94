// MFC message maps: a table per class mapping (message, notification code, control id) to a member
// handler, searched from the most derived class to its bases.
#pragma once

#include "afxgdi.h"
#include "winuser.h"

#include <variant>

class CWnd;

// Handler signatures: commands, command ranges (the id is passed), WM_NOTIFY notifications, general
// messages, mouse moves, cursor requests and reflected colour requests.
using AfxHandler =
    std::variant<std::monostate, void (CWnd::*)(), void (CWnd::*)(UINT), void (CWnd::*)(NMHDR*, LRESULT*),
                 LRESULT (CWnd::*)(WPARAM, LPARAM), void (CWnd::*)(UINT, CPoint), BOOL (CWnd::*)(CWnd*, UINT, UINT),
                 HBRUSH (CWnd::*)(CDC*, UINT)>;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // 0 ends the table
    UINT nCode;
    UINT nID;
    UINT nLastID;
    AfxHandler handler;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Notifications that a control reflects back to itself are kept under these message numbers.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                                                   \
        using TheBaseClass = baseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, AfxHandler                                                                                         \
        {                                                                                                              \
        }                                                                                                              \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries};                                  \
    return &messageMap;                                                                                                \
    }

#define AFX_CMD_HANDLER(memberFxn) AfxHandler(static_cast<void (CWnd::*)()>(memberFxn))

#define ON_CONTROL(code, id, memberFxn)                                                                                \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), AFX_CMD_HANDLER(memberFxn)},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_CONTROL_RANGE(code, firstId, lastId, memberFxn)                                                             \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(firstId), static_cast<UINT>(lastId),                       \
     AfxHandler(static_cast<void (CWnd::*)(UINT)>(memberFxn))},
#define ON_NOTIFY(code, id, memberFxn)                                                                                 \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id),                                 \
     AfxHandler(static_cast<void (CWnd::*)(NMHDR*, LRESULT*)>(memberFxn))},
#define ON_MESSAGE(message, memberFxn)                                                                                 \
    {static_cast<UINT>(message), 0, 0, 0, AfxHandler(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(memberFxn))},
#define ON_CONTROL_REFLECT(code, memberFxn)                                                                            \
    {WM_COMMAND + WM_REFLECT_BASE, static_cast<UINT>(code), 0, 0, AFX_CMD_HANDLER(memberFxn)},
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                             \
    {WM_NOTIFY + WM_REFLECT_BASE, static_cast<UINT>(code), 0, 0,                                                       \
     AfxHandler(static_cast<void (CWnd::*)(NMHDR*, LRESULT*)>(memberFxn))},
#define ON_WM_MOUSEMOVE()                                                                                              \
    {WM_MOUSEMOVE, 0, 0, 0, AfxHandler(static_cast<void (CWnd::*)(UINT, CPoint)>(&ThisClass::OnMouseMove))},
#define ON_WM_SETCURSOR()                                                                                              \
    {WM_SETCURSOR, 0, 0, 0, AfxHandler(static_cast<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(&ThisClass::OnSetCursor))},
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    {WM_CTLCOLOR + WM_REFLECT_BASE, 0, 0, 0,                                                                           \
     AfxHandler(static_cast<HBRUSH (CWnd::*)(CDC*, UINT)>(&ThisClass::CtlColor))},
