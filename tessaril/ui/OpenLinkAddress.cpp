#include "OpenLinkAddress.h"

#include "shellopen.h"

int openLinkAddress(const CString& target, int show)
{
    // This platform keeps no registry of file associations: the shell's "open" verb is the association,
    // for web addresses and help files alike.
    return static_cast<int>(reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, show)));
}
