// The question asked when a result file exists: overwrite it or give the new file a numbered name, and
// whether the answer holds for the rest of the batch.
#pragma once

#include "afxwin.h"

class GConverFileDialog : public CDialog {
public:
    enum { IDD = 111 };

    explicit GConverFileDialog(CWnd* parent = nullptr);
    ~GConverFileDialog() override;

    void setPath(const CString& path) { m_path = path; }
    // The answers; closing with Esc keeps the existing file (rename) and asks again next time.
    bool overwrite() const { return m_overwrite; }
    bool applyToRest() const { return m_applyToRest; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnLocateFile();

    DECLARE_MESSAGE_MAP()

private:
    CString m_path;
    bool m_overwrite = true;
    bool m_applyToRest = false;
};
