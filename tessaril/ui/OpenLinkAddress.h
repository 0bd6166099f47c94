// Opens a link's web address or a help file with the program the system associates with it.
#pragma once

#include "afxstr.h"

// ShellExecute's answer: above 32 on success.
int openLinkAddress(const CString& target, int show);
