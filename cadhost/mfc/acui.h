// The host's dialog base classes. CAcUiDialog is what the plug-in's main dialog derives from; the host
// sends WM_ACAD_KEEPFOCUS to ask whether a dialog keeps the focus.
#pragma once

#include "afxdialog.h"

constexpr UINT WM_ACAD_KEEPFOCUS = WM_USER + 0x6D01;

class CADHOST_EXPORT CAdUiBaseDialog : public CDialog {
public:
    explicit CAdUiBaseDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr);
};

class CADHOST_EXPORT CAdUiDialog : public CAdUiBaseDialog {
public:
    explicit CAdUiDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr)
        : CAdUiBaseDialog(templateId, parent, resources)
    {
    }
};

class CADHOST_EXPORT CAcUiDialog : public CAdUiDialog {
public:
    explicit CAcUiDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr)
        : CAdUiDialog(templateId, parent, resources)
    {
    }
};
