// The kinds page of the main dialog: eight check boxes that say which entity kinds a batch converts,
// restored from the last accepted run or taken from a preset of config/GuardConfig.xml.
#pragma once

#include "GGuardEntDefine.h"
#include "afxwin.h"

class GGuardPowerDialog : public CDialog {
public:
    enum { IDD = 104 };

    GGuardPowerDialog();
    ~GGuardPowerDialog() override;

    // Takes the switches from the check boxes and stores them; when none is set, asks whether the drawings
    // really should stay unprotected and answers false on No.
    bool readParameters();
    const GGuardTypeFlags& typeFlags() const { return m_flags; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;

    void OnPresetChange();
    void OnBlockDefinitionsClicked();
    void OnSelectAll();
    void OnSelectNone();
    void OnInvert();

    DECLARE_MESSAGE_MAP()

private:
    // Clears the unused-definitions switch when block definitions are off, enables its box to match, and
    // shows every switch in its box.
    void showFlags();
    void enableUnusedDefinitions(bool enable);

    GGuardTypeFlags m_flags;
    GGuardEntDefineArray m_presets;
    CComboBox m_presetList;
};
