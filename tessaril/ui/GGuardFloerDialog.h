// The folder sub-page of the file page: a source folder walked recursively, the result folder, the
// output DWG version, whether the folder tree is kept, and whether and how the results are packed.
#pragma once

#include "afxwin.h"

struct GGuardOption;

class GGuardFloerDialog : public CDialog {
public:
    enum { IDD = 110 };

    GGuardFloerDialog();
    ~GGuardFloerDialog() override;

    // Checks the folders, walks the source folder into the option's source and output paths and takes
    // the choices of the page; shows why and answers false when a check fails or no drawing is found.
    bool readParameters(GGuardOption& option);

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;

    void OnBrowseSourceFolder();
    void OnBrowseResultFolder();
    void OnPackClicked();

    DECLARE_MESSAGE_MAP()

private:
    CComboBox m_saveType;
    CComboBox m_archiveType;
};
