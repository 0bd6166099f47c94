// The main dialog of movrel: three pages in a tab control (files, copyright notes, kinds), a link to the
// product's page, a download link when a newer version exists, and Help. OK lets every page read its
// parameters, checks the result folder and the size of every source, and ends with IDOK only when the
// options are complete.
#pragma once

#include "CHyperLinkLable.h"
#include "GCopyRightDialog.h"
#include "GGuardFileDialog.h"
#include "GGuardPowerDialog.h"
#include "acui.h"
#include "pipeline/GGuardOption.h"

// What the update check found, as far as the dialog shows it.
struct GuardDialogVersions {
    // Empty when the local update descriptor could not be read.
    CString localVersion;
    bool newerVersion = false;
    CString serverVersion;
    CString downloadAddress;
};

class GGuardDialog : public CAcUiDialog {
public:
    enum { IDD = 102 };

    static constexpr const wchar_t* kProductName = L"图纸外发保护";
    static constexpr const wchar_t* kProductAddress = L"https://www.tessaril.com";

    explicit GGuardDialog(CWnd* parent = nullptr, GuardDialogVersions versions = {});
    ~GGuardDialog() override;

    // Complete after DoModal answered IDOK.
    const GGuardOption& guardOption() const { return m_option; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnTabChange(NMHDR* header, LRESULT* result);
    void OnHelp();
    LRESULT OnKeepFocus(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // Whether the result folder is there now, asking to create it when it is missing.
    bool ensureOutputFolder();
    bool listSourceSizes();
    void showPage(int index);

    GuardDialogVersions m_versions;
    GGuardOption m_option;
    // The tab comes first so that the pages, its children, are destroyed before it.
    CTabCtrl m_tab;
    GGuardFileDialog m_filePage;
    GCopyRightDialog m_copyrightPage;
    GGuardPowerDialog m_kindsPage;
    CHyperLinkLable m_productLink;
    CHyperLinkLable m_downloadLink;
};
