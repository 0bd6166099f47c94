#include "afxedit.h"

int CEdit::GetLineCount() const
{
    const std::wstring& text = window().text;
    int lines = 1;
    for (std::size_t found = text.find(L"\r\n"); found != std::wstring::npos; found = text.find(L"\r\n", found + 2))
        ++lines;
    return lines;
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
    return TRUE;
}
