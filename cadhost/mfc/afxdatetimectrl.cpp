#include "afxdatetimectrl.h"

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME* time) const
{
    *time = window().date;
    return 0;
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* time)
{
    if (time == nullptr)
        return FALSE;
    window().date = *time;
    window().text = cadhost::shortDateText(*time);
    return TRUE;
}
