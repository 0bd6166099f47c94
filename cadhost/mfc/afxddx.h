// Dialog data exchange: DoDataExchange binds members to controls; UpdateData(FALSE) puts member values
// into the controls and UpdateData(TRUE) reads them back.
#pragma once

#include "afxstr.h"
#include "winuser.h"

class CWnd;

// Thrown by CDataExchange::Fail to abandon an exchange; UpdateData answers FALSE.
class CUserException {};

class CADHOST_EXPORT CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The control with the id; a missing control is a programming error and fails the exchange.
    HWND PrepareCtrl(int id);
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

CADHOST_EXPORT void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
CADHOST_EXPORT void DDX_Text(CDataExchange* exchange, int id, CString& value);
CADHOST_EXPORT void DDX_Check(CDataExchange* exchange, int id, int& value);
// value is the index of the checked radio button of the group that starts with the id; -1 for none.
CADHOST_EXPORT void DDX_Radio(CDataExchange* exchange, int id, int& value);
CADHOST_EXPORT void DDX_CBIndex(CDataExchange* exchange, int id, int& index);
CADHOST_EXPORT void DDX_CBString(CDataExchange* exchange, int id, CString& value);
