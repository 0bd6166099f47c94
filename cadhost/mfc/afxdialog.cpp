#include "afxdialog.h"

#include "UiDriver.h"
#include "dialogtemplate.h"

#include <cstdio>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_templateId(templateId)
{
}

INT_PTR CDialog::DoModal()
{
    const std::shared_ptr<const DialogTemplate> dialogTemplate =
        cadhost::findDialogTemplate(m_templateId, m_resourceModule);
    if (!dialogTemplate || m_hWnd != nullptr) {
        std::fprintf(stderr, "DoModal: dialog template %u is not available\n", m_templateId);
        return -1;
    }
    adoptWindow(cadhost::createDialogWindow(*dialogTemplate));
    struct WindowGuard {
        CDialog& dialog;
        ~WindowGuard() { dialog.DestroyWindow(); }
    } guard{*this};

    m_ended = false;
    m_result = IDCANCEL;
    OnInitDialog();
    if (!m_ended) {
        window().style |= WS_VISIBLE;
        cadhost::currentUiDriver().runModal(*this);
    }
    if (!m_ended)
        EndDialog(IDCANCEL);
    return m_result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    const std::shared_ptr<const DialogTemplate> dialogTemplate =
        cadhost::findDialogTemplate(templateId, m_resourceModule);
    if (!dialogTemplate || m_hWnd != nullptr)
        return FALSE;
    m_templateId = templateId;
    m_pParentWnd = parent;
    m_ended = false;
    std::unique_ptr<HWND__> created = cadhost::createDialogWindow(*dialogTemplate);
    if (parent != nullptr && parent->m_hWnd != nullptr)
        attachCreated(parent->m_hWnd->addChild(std::move(created)));
    else
        adoptWindow(std::move(created));
    OnInitDialog();
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    m_ended = true;
    m_result = result;
    if (m_hWnd != nullptr)
        m_hWnd->style &= ~WS_VISIBLE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
