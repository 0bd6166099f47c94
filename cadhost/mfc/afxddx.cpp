#include "afxddx.h"

#include "afxcombobox.h"
#include "afxwnd.h"
#include "buttongroup.h"

#include <cstdio>

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND control = m_pDlgWnd != nullptr && m_pDlgWnd->m_hWnd != nullptr
                       ? m_pDlgWnd->m_hWnd->findChild(static_cast<UINT>(id))
                       : nullptr;
    if (control == nullptr) {
        std::fprintf(stderr, "DDX: the dialog has no control with id %d\n", id);
        Fail();
    }
    return control;
}

void CDataExchange::Fail()
{
    throw CUserException();
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    if (control.m_hWnd != nullptr)
        return;
    HWND window = exchange->PrepareCtrl(id);
    if (!control.SubclassWindow(window)) {
        std::fprintf(stderr, "DDX: control %d is already attached to another object\n", id);
        exchange->Fail();
    }
}

void DDX_Text(CDataExchange* exchange, int id, CString& value)
{
    CWnd* control = CWnd::FromHandle(exchange->PrepareCtrl(id));
    if (exchange->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Check(CDataExchange* exchange, int id, int& value)
{
    HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate)
        value = static_cast<int>(control->check);
    else
        control->check = static_cast<UINT>(value);
}

void DDX_Radio(CDataExchange* exchange, int id, int& value)
{
    const std::vector<HWND> group = cadhost::radioGroupOf(exchange->PrepareCtrl(id));
    if (exchange->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (group[i]->check == BST_CHECKED)
                value = static_cast<int>(i);
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i)
        group[i]->check = static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED;
}

void DDX_CBIndex(CDataExchange* exchange, int id, int& index)
{
    auto* combo = static_cast<CComboBox*>(CWnd::FromHandle(exchange->PrepareCtrl(id)));
    if (exchange->m_bSaveAndValidate)
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

void DDX_CBString(CDataExchange* exchange, int id, CString& value)
{
    auto* combo = static_cast<CComboBox*>(CWnd::FromHandle(exchange->PrepareCtrl(id)));
    if (exchange->m_bSaveAndValidate) {
        combo->GetWindowText(value);
        return;
    }
    const int found = combo->SelectString(-1, value);
    if (found == CB_ERR)
        combo->SetWindowText(value);
}
