#include "rxmfcapi.h"

#include "CommandString.h"

namespace {

class HostFrame : public CWnd {
public:
    HostFrame()
    {
        adoptWindow(std::make_unique<HWND__>(WindowKind::Window, L"AfxFrameOrView", 0, WS_VISIBLE | WS_CAPTION,
                                             L"cadhost", CRect(0, 0, 1024, 768)));
    }

protected:
    // Command strings that plug-ins send to the host's main window.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message != WM_COPYDATA)
            return CWnd::OnWndMsg(message, wParam, lParam, result);
        *result = cadhost::receiveCommandString(wParam, lParam);
        return TRUE;
    }
};

} // namespace

CWnd* acedGetAcadFrame()
{
    static HostFrame frame;
    return &frame;
}

HWND adsw_acadMainWnd()
{
    return acedGetAcadFrame()->m_hWnd;
}
