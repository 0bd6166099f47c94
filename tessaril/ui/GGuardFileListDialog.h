// The file-list sub-page of the file page: a hand-made list of single drawings, the output DWG version
// and the result folder.
#pragma once

#include "afxcmn.h"
#include "afxcoll.h"

struct GGuardOption;

class GGuardFileListDialog : public CDialog {
public:
    enum { IDD = 109 };

    GGuardFileListDialog();
    ~GGuardFileListDialog() override;

    // Puts the listed drawings, the result folder and the chosen version into the option; shows why and
    // answers false when the list or the result folder is empty.
    bool readParameters(GGuardOption& option);

    // The chosen drawings' full paths in row order.
    const CStringArray& files() const { return m_files; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;

    void OnAddFile();
    void OnAddFiles();
    void OnDeleteFiles();
    void OnBrowseResultFolder();

    DECLARE_MESSAGE_MAP()

private:
    bool isListed(const CString& path) const;
    void appendRow(const CString& path);

    CListCtrl m_list;
    CComboBox m_saveType;
    CStringArray m_files;
};
