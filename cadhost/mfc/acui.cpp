#include "acui.h"

CAdUiBaseDialog::CAdUiBaseDialog(UINT templateId, CWnd* parent, HINSTANCE resources) : CDialog(templateId, parent)
{
    setResourceModule(resources);
}
