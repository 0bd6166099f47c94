// The file page of the main dialog: a tab control with two ways of choosing drawings, a hand-made file
// list and a folder walked recursively.
#pragma once

#include "GGuardFileListDialog.h"
#include "GGuardFloerDialog.h"

class GGuardFileDialog : public CDialog {
public:
    enum { IDD = 103 };

    GGuardFileDialog();
    ~GGuardFileDialog() override;

    // Lets the sub-page of the selected sub-tab fill the option and remembers which one it was.
    bool readParameters(GGuardOption& option);

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;

    void OnTabChange(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    bool isFolderMode() const;
    void showSelectedPage();

    // The tab comes first so that the sub-pages, its children, are destroyed before it.
    CTabCtrl m_tab;
    GGuardFileListDialog m_fileList;
    GGuardFloerDialog m_folder;
};
