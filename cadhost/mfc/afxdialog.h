// MFC's dialog. DoModal builds the dialog from its template, runs OnInitDialog and hands the dialog to
// the current UI driver, which operates it until a handler calls EndDialog. Create builds a modeless
// dialog, for example a page that is a child of a tab control.
#pragma once

#include "afxwnd.h"

class CADHOST_EXPORT CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the template is not registered.
    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);
    virtual BOOL OnInitDialog();

    UINT templateId() const { return m_templateId; }
    // EndDialog was called since the dialog was last shown.
    bool hasEnded() const { return m_ended; }

    CWnd* m_pParentWnd = nullptr;

protected:
    // The module whose templates this dialog uses first; null for the current resource module.
    void setResourceModule(HINSTANCE module) { m_resourceModule = module; }

    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    UINT m_templateId = 0;
    HINSTANCE m_resourceModule = nullptr;
    bool m_ended = false;
    INT_PTR m_result = IDCANCEL;
};
